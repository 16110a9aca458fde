#pragma once
// The "Description" and "Debriefings" pages: the mission's three free texts, bound by objectName
// to their rules. A text field refuses typing past what the file keeps of it.

#include <optional>

#include "editor/pages/editor_page.h"

class QLabel;
class QPlainTextEdit;

namespace vorlan {

class DescriptionPage : public EditorPage {
    Q_OBJECT
public:
    explicit DescriptionPage(QWidget* parent = nullptr);
    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;
    // What the format keeps: 1023 characters for the short tail, 4095 otherwise.
    void SetMaxLength(int characters) { maxLength_ = characters; }
    int MaxLength() const { return maxLength_; }

private:
    QPlainTextEdit* descMemo_;
    int maxLength_ = 4095;
    std::optional<ControlBinding> binding_;
};

class DebriefingsPage : public EditorPage {
    Q_OBJECT
public:
    explicit DebriefingsPage(QWidget* parent = nullptr);
    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;
    // Hides both texts and their captions for the short-tail format.
    void ShowDebriefings(bool shown);

private:
    QLabel* succLabel_;
    QLabel* failLabel_;
    QPlainTextEdit* succMemo_;
    QPlainTextEdit* failMemo_;
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan
