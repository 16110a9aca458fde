#include "settings/ui/pref_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/paths.h"
#include "model/user_dialogs.h"
#include "session/session.h"

namespace vorlan {
namespace {

constexpr int kMinZoomSpeed = 5;
constexpr int kMaxZoomSpeed = 18;

QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

void Hide(QWidget* widget) {
    widget->setVisible(false);
}

}  // namespace

TPrefForm::TPrefForm(Session& session, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      session_(session),
      dialogs_(dialogs),
      snapshot_(TakePreferencesSnapshot(session)) {
    ApplyHiddenResets(fixed_);
    setWindowTitle("Preferences");

    auto* tabs = new QTabWidget;
    tabs->addTab(BuildOptionsPage(), "Options");
    tabs->addTab(BuildDirectoriesPage(), "Directories");
    tabs->addTab(BuildMapPage(), "Map");
    tabs->addTab(BuildMousePage(), "Mouse");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    // The labels already show the directories as read; only the running values are replaced,
    // so that a directory chooser opened from here starts somewhere that exists.
    ApplyOpeningReplacements(session_.RunningSettings, UserHomeDirectory());
}

const Settings& TPrefForm::Source(Role role) const {
    return role == Role::HiddenReset ? fixed_ : snapshot_.RunningSettings;
}

QCheckBox* TPrefForm::AddCheck(QBoxLayout* layout, const char* name, const QString& caption,
                               bool Settings::*member, Role role) {
    auto* check = new QCheckBox(caption);
    check->setObjectName(name);
    check->setChecked(Source(role).*member);
    layout->addWidget(check);
    if (role != Role::Shown) {
        Hide(check);
    }
    if (role != Role::HiddenReset) {
        stores_.push_back([check, member](Settings& s) { s.*member = check->isChecked(); });
    }
    return check;
}

QGroupBox* TPrefForm::AddRadioGroup(QBoxLayout* layout, const char* name, const QString& title,
                                    const QStringList& items, int checked, Role role,
                                    std::function<void(Settings&, int)> store) {
    auto* box = new QGroupBox(title);
    box->setObjectName(name);
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i]);
        radio->setChecked(i == checked);
        group->addButton(radio, i);
        boxLayout->addWidget(radio);
    }
    layout->addWidget(box);
    if (role != Role::Shown) {
        Hide(box);
    }
    if (role != Role::HiddenReset) {
        // A value past the items checks none; it is then kept rather than lost.
        stores_.push_back([group, store = std::move(store)](Settings& s) {
            if (group->checkedId() >= 0) {
                store(s, group->checkedId());
            }
        });
    }
    return box;
}

QComboBox* TPrefForm::MakeTableBox(const char* name, const std::vector<std::string>& rows,
                                   int Settings::*member) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->setMaxVisibleItems(20);
    for (const std::string& row : rows) {
        box->addItem(QString::fromStdString(row));
    }
    const int value = snapshot_.RunningSettings.*member;
    box->setCurrentIndex(value >= 0 && value < box->count() ? value : -1);
    // A code the table lacks selects nothing and is kept as it is.
    stores_.push_back([box, member](Settings& s) {
        if (box->currentIndex() >= 0) {
            s.*member = box->currentIndex();
        }
    });
    return box;
}

QWidget* TPrefForm::BuildOptionsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    QCheckBox* autoLink =
        AddCheck(layout, "UseAutoChk", "Use Autolink by default", &Settings::AutoLink, Role::Shown);
    connect(autoLink, &QCheckBox::toggled, this, [this](bool on) {
        SetAutoLink(session_, on);
        emit AutoLinkChanged(on);
    });
    AddCheck(layout, "ConfDeletesChk", "Confirm before deleting", &Settings::ConfirmDeletes,
             Role::Shown);

    auto* newFG = new QGroupBox("Default New FG");
    auto* newFGLayout = new QFormLayout(newFG);
    newFGLayout->addRow(
        "Ship", MakeTableBox("DefaultShipBox", session_.Vocab.table(TableId::CraftTypeNames),
                             &Settings::DefaultShip));
    newFGLayout->addRow("A.I.",
                        MakeTableBox("DefaultAIBox", session_.Vocab.table(TableId::AIRankNames),
                                     &Settings::DefaultAI));
    layout->addWidget(newFG);

    AddCheck(layout, "DirInHistChk", "Show directory in Reopen list", &Settings::DirInReopen,
             Role::Shown);
    AddCheck(layout, "LinkColorChk", "Link Ship's color to its name", &Settings::LinkColor,
             Role::Shown);
    AddCheck(layout, "BlackenChk", "Ghost FGs outside Region", &Settings::Blacken, Role::Shown);

    AddCheck(layout, "PlayableChk", "Error check for valid Craft", &Settings::CheckPlayable,
             Role::HiddenReset);
    AddCheck(layout, "EnableWPsChk", "Enable WP1 and HYP", &Settings::EnableWPs, Role::HiddenKept);
    AddCheck(layout, "ResChk", "Adjust Main window and Map window to fit screen",
             &Settings::AdjustForRes, Role::HiddenReset);
    AddCheck(layout, "UseWizChk", "Use New Mission Wizard", &Settings::UseWiz, Role::HiddenReset);
    AddRadioGroup(layout, "MissionFormatRadio", "Default Mission Format", {"XvT", "BoP"},
                  fixed_.DefaultFormat, Role::HiddenReset, {});
    AddCheck(layout, "ConfSaveChk", "Show File Saved Message ", &Settings::FileSavedMsg,
             Role::HiddenReset);
    AddCheck(layout, "DoBackupsChk", "Backup mission when loading", &Settings::DoBackups,
             Role::HiddenReset);
    AddRadioGroup(layout, "OpenWithRadio", "Open program with:",
                  {"Choice Box", "Blank Mission", "Open File Dialogue", "Last Used File"},
                  static_cast<int>(fixed_.OpenWith), Role::HiddenReset, {});
    layout->addStretch();
    return page;
}

QWidget* TPrefForm::BuildDirectoriesPage() {
    struct Row {
        const char* Key;
        const char* Caption;
        std::string Settings::*Member;
        Role Shows;
    };
    static const Row kRows[] = {
        {"Missions", "Pref. Missions Directory:", &Settings::Missions, Role::Shown},
        {"XWA", "Your XwingAlliance Directory:", &Settings::XWA, Role::Shown},
        {"Vorlan", "Your Vorlan Directory:", &Settings::Vorlan, Role::Shown},
        {"Wave", "Pref. Wave Directory:", &Settings::Wave, Role::HiddenKept},
        {"OPT", "Pref. OPT Directory:", &Settings::OPT, Role::HiddenKept},
    };

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    int gridRow = 0;
    for (const Row& row : kRows) {
        const std::string& text = snapshot_.RunningSettings.*row.Member;
        auto* caption = new QLabel(row.Caption);
        auto* value = new QLabel(PathText(text));
        value->setObjectName(QString(row.Key) + "DirLabel");
        value->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        value->setMinimumWidth(280);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        caption->setBuddy(value);
        grid->addWidget(caption, gridRow, 0, 1, 2);
        grid->addWidget(value, gridRow + 1, 0, 1, 2);
        const std::size_t index = directories_.size();
        directories_.push_back({row.Member, value, text});
        if (row.Shows == Role::Shown) {
            auto* browse = new QPushButton("Browse");
            browse->setObjectName(QString(row.Key) + "BrowseBtn");
            connect(browse, &QPushButton::clicked, this, [this, index] { Browse(index); });
            grid->addWidget(browse, gridRow + 1, 2);
        } else {
            Hide(caption);
            Hide(value);
        }
        gridRow += 2;
    }
    grid->setRowStretch(gridRow, 1);
    return page;
}

QWidget* TPrefForm::BuildMapPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    const Settings& read = snapshot_.RunningSettings;

    AddCheck(layout, "Centering", "Centre Map to new selections", &Settings::Centre, Role::Shown);
    AddCheck(layout, "GhostMapChk", "'Ghost' names on Map", &Settings::GhostText, Role::Shown);
    AddRadioGroup(layout, "AutoCtrGrp", "AutoCentre (on changing view)",
                  {"Centre Map", "Centre on current FG", "Zero vertical axis", "Fit to Battlefield",
                   "No Adjustment"},
                  read.AutoCtr, Role::Shown,
                  [](Settings& s, int index) { s.AutoCtr = static_cast<std::uint8_t>(index); });
    AddCheck(layout, "DarkGridChk", "'Ghost' Map  grid", &Settings::GhostGrid, Role::Shown);

    AddRadioGroup(layout, "WPsDefaultRadio", "Default WPs ",
                  {"WPs off", "All WPs on", "Curr WPs only"}, fixed_.DefaultWPs, Role::HiddenReset,
                  {});

    auto* defaultState = new QGroupBox("Default State");
    auto* stateLayout = new QVBoxLayout(defaultState);
    AddCheck(stateLayout, "NamesOnChk", "Names on", &Settings::DefaultName, Role::HiddenKept);
    AddCheck(stateLayout, "DefaultWPtimesChk", "WP times on", &Settings::DefaultWPtime,
             Role::HiddenReset);
    AddCheck(stateLayout, "DefaultWPdistancesChk", "WP distances on", &Settings::DefaultWPdist,
             Role::HiddenReset);
    AddCheck(stateLayout, "DefaultPalletOnChk", "Palette on", &Settings::DefaultPallet,
             Role::HiddenReset);
    AddCheck(stateLayout, "DefaultFGListOnChk", "FG List on", &Settings::DefaultFGList,
             Role::HiddenReset);
    AddCheck(stateLayout, "DefaultHypOnChk", "Link Hyperspace point", &Settings::DefaultHyp,
             Role::HiddenReset);
    AddCheck(stateLayout, "DefaultOptionsOnChk", "Options on", &Settings::DefaultOptions,
             Role::HiddenReset);
    layout->addWidget(defaultState);
    Hide(defaultState);

    auto* wireframes = new QGroupBox("Wireframes for small craft");
    auto* wireLayout = new QVBoxLayout(wireframes);
    AddCheck(wireLayout, "LimitShrinkChk", "Minimum wirefrime sizes", &Settings::LimitShrink,
             Role::HiddenReset);
    AddCheck(wireLayout, "OnlyXYChk", "Only in X-Y view", &Settings::OnlyXY, Role::HiddenReset);
    auto* zoomRow = new QHBoxLayout;
    auto* zoomEdit = new QLineEdit(QString::number(fixed_.IconZoomSmall));
    zoomEdit->setObjectName("IconZoomEdit");
    zoomEdit->setValidator(new QIntValidator(kMinIconZoom, kMaxIconZoom, zoomEdit));
    zoomRow->addWidget(new QLabel("Only when Zoom >"));
    zoomRow->addWidget(zoomEdit);
    wireLayout->addLayout(zoomRow);
    Hide(zoomEdit);
    layout->addWidget(wireframes);
    Hide(wireframes);

    layout->addStretch();
    return page;
}

QWidget* TPrefForm::BuildMousePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* speedBox = new QGroupBox("Map left-button-down zoom-in speed");
    auto* speedLayout = new QHBoxLayout(speedBox);
    auto* speed = new QSlider(Qt::Horizontal);
    speed->setObjectName("ZoomSpeedScroll");
    speed->setRange(kMinZoomSpeed, kMaxZoomSpeed);
    speed->setValue(snapshot_.RunningSettings.ZoomSpeed);
    speed->setTickPosition(QSlider::TicksBelow);
    speedLayout->addWidget(new QLabel("Slow"));
    speedLayout->addWidget(speed, 1);
    speedLayout->addWidget(new QLabel("Fast"));
    layout->addWidget(speedBox);
    stores_.push_back(
        [speed](Settings& s) { s.ZoomSpeed = static_cast<std::uint8_t>(speed->value()); });

    AddRadioGroup(layout, "DblClickLinkRadio", "Map double-click linked to:",
                  {"Zoom-out by steps", "Zoom-out to fit Battlefield"},
                  snapshot_.RunningSettings.DblClickLink, Role::Shown,
                  [](Settings& s, int index) { s.DblClickLink = index; });
    layout->addStretch();
    return page;
}

void TPrefForm::Browse(std::size_t row) {
    DirectoryRow& directory = directories_.at(row);
    const std::optional<std::string> chosen =
        dialogs_.ChooseDirectory(session_.RunningSettings.*directory.Member);
    if (!chosen) {
        return;
    }
    session_.RunningSettings.*directory.Member = *chosen;
    directory.Text = *chosen;
    directory.Value->setText(PathText(*chosen));
}

void TPrefForm::accept() {
    Settings& settings = session_.RunningSettings;
    // The directories go back as their labels show them, which undoes the opening replacements
    // of every directory that was not chosen.
    for (const DirectoryRow& directory : directories_) {
        settings.*directory.Member = directory.Text;
    }
    for (const auto& store : stores_) {
        store(settings);
    }
    ApplyHiddenResets(settings);
    StoreDefaultFGChoice(session_);
    QDialog::accept();
}

void TPrefForm::reject() {
    const bool autoLinkWas = session_.RunningSettings.AutoLink;
    RestorePreferencesSnapshot(session_, snapshot_);
    const bool autoLink = session_.RunningSettings.AutoLink;
    if (auto* check = findChild<QCheckBox*>("UseAutoChk")) {
        const QSignalBlocker blocker(check);
        check->setChecked(autoLink);
    }
    QDialog::reject();
    if (autoLink != autoLinkWas) {
        emit AutoLinkChanged(autoLink);
    }
}

}  // namespace vorlan
