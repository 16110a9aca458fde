#include "editor/pages/editor_page.h"

#include <QVBoxLayout>

namespace vorlan {

EditorPage::EditorPage(int pageNumber, const QString& objectName, QWidget* parent)
    : QWidget(parent), pageNumber_(pageNumber), content_(new QVBoxLayout) {
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content_, 1);
}

void EditorPage::fill(Session&) {}

void EditorPage::Refresh(Session& session, std::span<const std::string_view>) {
    fill(session);
}

void EditorPage::ReserveTriggerPanel(QVBoxLayout* host, bool reduced, QBoxLayout* within) {
    triggerHost_ = host;
    reducedTriggerPanel_ = reduced;
    (within != nullptr ? within : static_cast<QBoxLayout*>(layout()))->addLayout(host);
}

}  // namespace vorlan
