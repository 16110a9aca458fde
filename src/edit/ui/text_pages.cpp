#include "edit/ui/text_pages.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <array>
#include <functional>

#include "edit/team_rules.h"
#include "editor/pages/outer_page_numbers.h"

namespace vorlan {
namespace {

// Typing or pasting past the limit takes back what went over, just before the cursor. Connected
// before the binding, so the text it sends is the one kept.
void RefuseTypingPast(QPlainTextEdit* memo, std::function<int()> limit) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, limit = std::move(limit)] {
        const qsizetype over = memo->toPlainText().size() - limit();
        if (over <= 0) {
            return;
        }
        const QSignalBlocker blocker(memo);
        QTextCursor cursor = memo->textCursor();
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor,
                            static_cast<int>(over));
        cursor.removeSelectedText();
        memo->setTextCursor(cursor);
    });
}

QPlainTextEdit* MakeMemo(const char* name, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    return memo;
}

const int kDebriefingLength = static_cast<int>(MissionTextCapacity(false));

}  // namespace

DescriptionPage::DescriptionPage(QWidget* parent)
    : EditorPage(kDescriptionPage, "DescriptionPage", parent),
      descMemo_(MakeMemo("DescMemo", this)) {
    Content()->addWidget(new QLabel("Mission Description", this));
    Content()->addWidget(descMemo_, 1);
    RefuseTypingPast(descMemo_, [this] { return maxLength_; });
    binding_.emplace(this, TeamPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
}

void DescriptionPage::fill(Session& session) {
    binding_->Show(session, "DescMemo");
}

void DescriptionPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    binding_->Show(session, controls);
}

DebriefingsPage::DebriefingsPage(QWidget* parent)
    : EditorPage(kDebriefingsPage, "DebriefingsPage", parent),
      succLabel_(new QLabel("Successful Mission Debriefing", this)),
      failLabel_(new QLabel("Failed Mission Debriefing", this)),
      succMemo_(MakeMemo("SuccDebriefMemo", this)),
      failMemo_(MakeMemo("FailDebriefMemo", this)) {
    Content()->addWidget(new QLabel("There are no Debriefings for XvT Format Missions", this));
    Content()->addWidget(succLabel_);
    Content()->addWidget(succMemo_, 1);
    Content()->addWidget(failLabel_);
    Content()->addWidget(failMemo_, 1);
    for (QPlainTextEdit* memo : {succMemo_, failMemo_}) {
        RefuseTypingPast(memo, [] { return kDebriefingLength; });
    }
    binding_.emplace(this, TeamPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
}

void DebriefingsPage::fill(Session& session) {
    constexpr std::array<std::string_view, 2> kMemos = {"SuccDebriefMemo", "FailDebriefMemo"};
    binding_->Show(session, kMemos);
}

void DebriefingsPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    binding_->Show(session, controls);
}

void DebriefingsPage::ShowDebriefings(bool shown) {
    for (QWidget* widget : {static_cast<QWidget*>(succLabel_), static_cast<QWidget*>(failLabel_),
                            static_cast<QWidget*>(succMemo_), static_cast<QWidget*>(failMemo_)}) {
        widget->setVisible(shown);
    }
}

}  // namespace vorlan
