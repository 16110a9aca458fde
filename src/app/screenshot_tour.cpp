#include "app/screenshot_tour.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <iostream>

#include "app/headless_dialogs.h"
#include "editor/main_window.h"
#include "editor/start_up_dialog.h"
#include "map/ui/icon_strip.h"
#include "map/ui/map_form.h"
#include "settings/ui/browse_form.h"

namespace vorlan {
namespace {

QString FileNamePart(QString text) {
    return text.toLower().replace(' ', '-');
}

// The map in each of its three views, with every waypoint, the names and the palette shown,
// and the icon strip enlarged so each craft's glyph can be judged.
void TakeMapPictures(TForm1& window, const std::function<void(QWidget&, const QString&)>& save,
                     const QString& directory) {
    window.ShowMapWindow();
    TMapForm& map = *window.MapWindow();
    map.resize(1100, 760);
    QApplication::processEvents();
    for (const char* toggle : {"AllWPs", "NamesOn", "PaletOn", "ShowOptions"}) {
        if (auto* button = map.findChild<QToolButton*>(toggle); !button->isChecked()) {
            button->click();
        }
    }
    for (const char* view : {"XY", "XZ", "YZ"}) {
        map.findChild<QToolButton*>(view)->click();
        QApplication::processEvents();
        save(map, QString("map-%1").arg(QString(view).toLower()));
    }
    map.hide();
    // Every icon number of two strip rows, four times enlarged, numbered.
    constexpr int kColumns = 15;
    constexpr int kRows = (kIconCount + kColumns - 1) / kColumns;
    constexpr int kScale = 4;
    constexpr int kCellW = kIconWidth * kScale + 8;
    constexpr int kCellH = kIconHeight * kScale + 16;
    QImage sheet(kColumns * kCellW, kRows * kCellH * 2, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    painter.setPen(Qt::gray);
    for (int part = 0; part < 2; ++part) {
        for (int icon = 1; icon <= kIconCount; ++icon) {
            const int x = ((icon - 1) % kColumns) * kCellW;
            const int y = (part * kRows + (icon - 1) / kColumns) * kCellH;
            painter.drawImage(QRect(x, y, kIconWidth * kScale, kIconHeight * kScale),
                              CraftIconStrip(), IconRect(icon, part));
            painter.drawText(x, y + kCellH - 4, QString::number(icon));
        }
    }
    painter.end();
    sheet.save(directory + "/map-icons.png");
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
    TakeMapPictures(window, save, directory);

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
