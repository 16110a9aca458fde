#include "editor/history_menus.h"

#include <QAction>
#include <QMenu>

namespace vorlan {

HistoryMenus::HistoryMenus(QMenu* reopenMenu, QMenu* histPopUp, QObject* parent)
    : QObject(parent), reopenMenu_(reopenMenu), histPopUp_(histPopUp) {}

void HistoryMenus::Show(const std::vector<std::string>& captions) {
    ShowIn(reopenMenu_, captions);
    ShowIn(histPopUp_, captions);
    reopenMenu_->setEnabled(!captions.empty());
}

void HistoryMenus::ShowIn(QMenu* menu, const std::vector<std::string>& captions) {
    menu->clear();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        QAction* item = menu->addAction(QString::fromStdString(captions[i]));
        const int entry = static_cast<int>(i);
        connect(item, &QAction::triggered, this, [this, entry] { emit ReopenRequested(entry); });
    }
}

}  // namespace vorlan
