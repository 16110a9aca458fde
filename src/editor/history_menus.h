#pragma once
// The two menus that list the reopen history: the "&Reopen" submenu of the flight group list's
// context menu and the drop-down of the "Open Mission" button. Item i reopens entry i.

#include <QObject>
#include <string>
#include <vector>

class QMenu;

namespace vorlan {

class HistoryMenus : public QObject {
    Q_OBJECT

public:
    HistoryMenus(QMenu* reopenMenu, QMenu* histPopUp, QObject* parent = nullptr);

    // One item per caption in each menu; "&Reopen" is enabled only when there are items.
    void Show(const std::vector<std::string>& captions);

signals:
    void ReopenRequested(int entry);

private:
    void ShowIn(QMenu* menu, const std::vector<std::string>& captions);

    QMenu* reopenMenu_;
    QMenu* histPopUp_;
};

}  // namespace vorlan
