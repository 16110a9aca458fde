// The editor. Besides a mission path, it takes --help and --version, and options for running
// without a user:
//   --screenshot FILE      start, save a picture of the main window as FILE, quit
//   --screenshots DIR      pictures of every outer page and dialog into DIR (a sample mission
//                          is made when no mission is given), quit
//   --first-frame          print when the first frame after start-up was painted, quit
//   --sample-mission N FILE  write a sample mission of N flight groups, quit

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>
#include <charconv>
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
#include "model/caption.h"
#include "settings/settings_file.h"

namespace {

constexpr const char* kUsage =
    "Usage: vorlan [MISSION]\n"
    "Edits a mission file (.tie): MISSION when given, otherwise a new mission.\n"
    "\n"
    "Options:\n"
    "  -h, --help                this text\n"
    "  --version                 the version\n"
    "\n"
    "For running without a user:\n"
    "  --screenshot FILE         save a picture of the main window as FILE, then quit\n"
    "  --screenshots DIR         pictures of every page and dialog into DIR, then quit\n"
    "  --first-frame             print when the first frame was painted, then quit\n"
    "  --sample-mission N FILE   write a sample mission of N flight groups, then quit\n";

// The icon at every size built into the program, so the window has it wherever it runs from.
QIcon ApplicationIcon() {
    QIcon icon;
    for (const QString& file : QDir(":/icons").entryList({"vorlan-*.png"})) {
        icon.addFile(":/icons/" + file);
    }
    return icon;
}

// A count of at least one, as a whole decimal number.
bool ParseCount(const std::string& text, int& count) {
    const char* last = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), last, count);
    return error == std::errc() && stop == last && count >= 1;
}

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
    // Answered before the application exists: they need no display and open no window.
    for (const std::string& word : words) {
        if (word == "--help" || word == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (word == "--version") {
            std::cout << "Vorlan " << vorlan::kProgramVersion << '\n';
            return 0;
        }
    }
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
            int count = 0;
            if (!ParseCount(words[i + 1], count)) {
                std::cerr << "vorlan: --sample-mission takes a number of flight groups, not '"
                          << words[i + 1] << "'\n";
                return 2;
            }
            return vorlan::WriteSampleMission(words[i + 2], count) ? 0 : 1;
        } else {
            options.Arguments.push_back(word);
        }
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(ApplicationIcon());
    // Lets a Wayland desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName("vorlan");
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
