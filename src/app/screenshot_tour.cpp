#include "app/screenshot_tour.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <iostream>

#include "app/headless_dialogs.h"
#include "editor/main_window.h"
#include "editor/start_up_dialog.h"
#include "settings/ui/browse_form.h"

namespace vorlan {
namespace {

QString FileNamePart(QString text) {
    return text.toLower().replace(' ', '-');
}

}  // namespace

int TakeScreenshotTour(TForm1& window, const QString& directory) {
    int status = 0;
    const auto save = [&](QWidget& widget, const QString& name) {
        const QString path = directory + "/" + name + ".png";
        if (!SaveWidgetPicture(widget, path)) {
            std::cerr << "could not write " << path.toStdString() << '\n';
            status = 1;
        }
    };
    auto* outer = window.findChild<QTabWidget*>("OverallPages");
    auto* inner = window.findChild<QTabWidget*>("FGPages");
    for (int page = 0; page < outer->count(); ++page) {
        outer->setCurrentIndex(page);
        save(window, QString("page-%1-%2").arg(page).arg(FileNamePart(outer->tabText(page))));
    }
    outer->setCurrentIndex(0);
    for (int page = 0; page < inner->count(); ++page) {
        inner->setCurrentIndex(page);
        save(window, QString("fg-page-%1-%2").arg(page).arg(FileNamePart(inner->tabText(page))));
    }
    inner->setCurrentIndex(0);

    // The dialogs run through the capturing runner, which saves and closes each one.
    window.ShowPreferences();
    window.ShowMissionParameters();
    window.ShowAbout();
    window.AddHyperbuoys();
    StartUpDialog startUp(&window);
    save(startUp, "dialog-StartUp");
    TBrowseForm browse(QDir::homePath(), &window);
    save(browse, "dialog-Browse");
    std::cout << "Screenshots written to " << directory.toStdString() << '\n';
    return status;
}

}  // namespace vorlan
