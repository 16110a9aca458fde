// The editor. Besides a mission path, it takes options for running without a user:
//   --screenshot FILE      start, save a picture of the main window as FILE, quit
//   --screenshots DIR      pictures of every outer page and dialog into DIR (a sample mission
//                          is made when no mission is given), quit
//   --first-frame          print when the first frame after start-up was painted, quit
//   --sample-mission N FILE  write a sample mission of N flight groups, quit

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "app/headless_dialogs.h"
#include "app/sample_mission.h"
#include "app/screenshot_tour.h"
#include "editor/main_window.h"
#include "editor/qt_user_dialogs.h"
#include "settings/settings_file.h"

namespace {

struct Options {
    std::string Screenshot;
    std::string ScreenshotDirectory;
    bool FirstFrame = false;
    std::vector<std::string> Arguments;
};

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Prints the moment the window finished painting its first frame after start-up, then quits.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(vorlan::TForm1& window) : window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && window_.StartUpDone() && !seen_) {
            seen_ = true;
            // The rest of this frame paints in the same pass; the queued call runs after it.
            QTimer::singleShot(0, this, [] {
                std::printf("first-frame-monotonic-ns %lld\n", MonotonicNanoseconds());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    vorlan::TForm1& window_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    Options options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool hasValue = i + 1 < words.size();
        if (word == "--screenshot" && hasValue) {
            options.Screenshot = words[++i];
        } else if (word == "--screenshots" && hasValue) {
            options.ScreenshotDirectory = words[++i];
        } else if (word == "--first-frame") {
            options.FirstFrame = true;
        } else if (word == "--sample-mission" && i + 2 < words.size()) {
            return vorlan::WriteSampleMission(words[i + 2], std::stoi(words[i + 1])) ? 0 : 1;
        } else {
            options.Arguments.push_back(word);
        }
    }

    QApplication app(argc, argv);
    const bool unattended =
        !options.Screenshot.empty() || !options.ScreenshotDirectory.empty() || options.FirstFrame;
    vorlan::QtUserDialogs realDialogs;
    vorlan::ExecModalRunner realRunner;
    vorlan::StderrDialogs quietDialogs;
    vorlan::CapturingRunner capturingRunner;
    capturingRunner.Directory = QString::fromStdString(options.ScreenshotDirectory);

    if (!options.ScreenshotDirectory.empty() && options.Arguments.empty()) {
        const std::string sample = options.ScreenshotDirectory + "/sample.tie";
        if (!vorlan::WriteSampleMission(sample, 24)) {
            return 1;
        }
        options.Arguments.push_back(sample);
    }

    vorlan::EditorEnvironment environment;
    environment.Dialogs = unattended ? static_cast<vorlan::UserDialogs*>(&quietDialogs)
                                     : static_cast<vorlan::UserDialogs*>(&realDialogs);
    environment.Runner = unattended ? static_cast<vorlan::ModalRunner*>(&capturingRunner)
                                    : static_cast<vorlan::ModalRunner*>(&realRunner);
    environment.SettingsPath = vorlan::SettingsFilePath();
    environment.Arguments = options.Arguments;
    vorlan::TForm1 window(std::move(environment));
    realDialogs.SetParent(&window);

    std::unique_ptr<FirstFrameWatch> firstFrame;
    if (options.FirstFrame) {
        firstFrame = std::make_unique<FirstFrameWatch>(window);
    }
    if (!options.Screenshot.empty() || !options.ScreenshotDirectory.empty()) {
        QObject::connect(&window, &vorlan::TForm1::StartUpFinished, &window, [&] {
            int status = 0;
            if (!options.Screenshot.empty()) {
                status =
                    vorlan::SaveWidgetPicture(window, QString::fromStdString(options.Screenshot))
                        ? 0
                        : 1;
                std::cout << "Screenshot of the main window: " << options.Screenshot << '\n';
            }
            if (!options.ScreenshotDirectory.empty()) {
                status |= vorlan::TakeScreenshotTour(window, capturingRunner.Directory);
            }
            // Leave without the close questions: nothing was edited.
            QApplication::exit(status);
        });
    }
    window.show();
    return app.exec();
}
