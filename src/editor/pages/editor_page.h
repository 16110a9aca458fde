#pragma once
// A page of the editor window. Pages are told apart by their page number, never by their
// position in the page control; the window asks a page to fill its controls from the session.

#include <QWidget>
#include <span>
#include <string_view>
#include <utility>

#include "edit/ui/control_binding.h"

class QBoxLayout;
class QVBoxLayout;

namespace vorlan {

class Session;

class EditorPage : public QWidget {
    Q_OBJECT

public:
    EditorPage(int pageNumber, const QString& objectName, QWidget* parent = nullptr);

    int PageNumber() const { return pageNumber_; }

    // Fills the controls from the session; runs with UIReady false and never writes.
    virtual void fill(Session& session);
    // Shows the named controls again after an edit changed them; by default the whole page.
    virtual void Refresh(Session& session, std::span<const std::string_view> controls);

    // Where the page's controls send the user's changes.
    void SetEditSink(EditSink sink) { sink_ = std::move(sink); }

    // Where the shared trigger selector panel sits on this page; null for pages without it.
    QVBoxLayout* TriggerPanelHost() const { return triggerHost_; }
    // The panel shows only its first two triggers here.
    bool ReducedTriggerPanel() const { return reducedTriggerPanel_; }

protected:
    // Pages that host the trigger panel reserve its place with this: below the page's own
    // controls, or inside `within` when given.
    void ReserveTriggerPanel(QVBoxLayout* host, bool reduced, QBoxLayout* within = nullptr);
    // The layout the page's own controls go into, above the trigger panel's place.
    QVBoxLayout* Content() const { return content_; }
    void SendEdit(const Edit& edit) const {
        if (sink_) {
            sink_(edit);
        }
    }
    const EditSink& Sink() const { return sink_; }

private:
    int pageNumber_;
    QVBoxLayout* content_;
    QVBoxLayout* triggerHost_ = nullptr;
    bool reducedTriggerPanel_ = false;
    EditSink sink_;
};

}  // namespace vorlan
