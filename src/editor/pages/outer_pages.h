#pragma once
// The outer pages of the editor window other than "Flight Groups": messages, global goals,
// description, debriefings and teams. Their fields arrive page by page; what is here is what
// the window itself works with (the message list, the team box, the texts' visibility).

#include "editor/pages/editor_page.h"

class QComboBox;
class QLabel;
class QListView;
class QPlainTextEdit;

namespace vorlan {

// Outer page numbers.
enum OuterPageNumber {
    kFlightGroupsPage = 0,
    kMessagesPage = 1,
    kGlobalGoalsPage = 2,
    kDescriptionPage = 3,
    kDebriefingsPage = 4,
    kTeamsPage = 5,
};

class MessagesPage : public EditorPage {
    Q_OBJECT
public:
    explicit MessagesPage(QWidget* parent = nullptr);
    QListView* MsgStrList() const { return msgStrList_; }

private:
    QListView* msgStrList_;
};

class GlobalGoalsPage : public EditorPage {
    Q_OBJECT
public:
    explicit GlobalGoalsPage(QWidget* parent = nullptr);
    // Shows the current global goals team in the colour of its IFF.
    void fill(Session& session) override;

private:
    QComboBox* ggTeamBox_;
};

class DescriptionPage : public EditorPage {
    Q_OBJECT
public:
    explicit DescriptionPage(QWidget* parent = nullptr);
    void fill(Session& session) override;
    // 1024 characters for the short-tail format, 4095 otherwise.
    void SetMaxLength(int characters) { maxLength_ = characters; }
    int MaxLength() const { return maxLength_; }

private:
    QPlainTextEdit* descMemo_;
    int maxLength_ = 4095;
};

class DebriefingsPage : public EditorPage {
    Q_OBJECT
public:
    explicit DebriefingsPage(QWidget* parent = nullptr);
    void fill(Session& session) override;
    // Hides both texts and their captions for the short-tail format.
    void ShowDebriefings(bool shown);

private:
    QLabel* succLabel_;
    QLabel* failLabel_;
    QPlainTextEdit* succMemo_;
    QPlainTextEdit* failMemo_;
};

class TeamsPage : public EditorPage {
    Q_OBJECT
public:
    explicit TeamsPage(QWidget* parent = nullptr);
};

}  // namespace vorlan
