#include "editor/header_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "session/session.h"

namespace vorlan {
namespace {

constexpr int kGridRows = 4;
constexpr int kNumberColumnWidth = 15;
constexpr int kTextColumnWidth = 260;
// The only header value shown; the others are kept in hidden fields.
constexpr int kTimeValue = 1;

// Mission texts are bytes; Latin-1 maps each byte to one character and back unchanged.
QString FromBytes(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

QTableWidget* MakeGrid(const char* name, QWidget* parent) {
    auto* grid = new QTableWidget(kGridRows, 2, parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->horizontalHeader()->setMinimumSectionSize(kNumberColumnWidth);
    grid->setColumnWidth(0, kNumberColumnWidth);
    grid->setColumnWidth(1, kTextColumnWidth);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * grid->frameWidth();
    grid->setFixedHeight(kGridRows * grid->verticalHeader()->defaultSectionSize() + frame);
    grid->setMinimumWidth(kNumberColumnWidth + kTextColumnWidth + frame);
    for (int row = 0; row < kGridRows; ++row) {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(Qt::ItemIsEnabled);
        grid->setItem(row, 0, number);
        grid->setItem(row, 1, new QTableWidgetItem);
    }
    return grid;
}

}  // namespace

THeaderForm::THeaderForm(Session& session, EditSink sink, QWidget* parent)
    : QDialog(parent), session_(session), sink_(std::move(sink)) {
    setWindowTitle("Mission Parameters");
    BuildControls();
    Fill();

    // Edits count as changes at once, even if the dialog is then cancelled; the flags do not.
    // The edit path does nothing while the controls are being filled.
    const auto mark = [this] { sink_(HeaderTouchedEdit{}); };
    for (QTableWidget* grid : {regionGrid_, stringGrid_}) {
        connect(grid, &QTableWidget::itemChanged, this, mark);
    }
    for (QLineEdit* edit : valueEdits_) {
        connect(edit, &QLineEdit::textChanged, this, mark);
    }
    connect(hangarBox_, &QComboBox::currentIndexChanged, this, mark);
}

void THeaderForm::BuildControls() {
    regionGrid_ = MakeGrid("RegionNameGrid", this);
    stringGrid_ = MakeGrid("HeaderStringGrid", this);
    auto* regionLabel = new QLabel("Region Names", this);
    auto* stringLabel = new QLabel("?", this);
    stringLabel->hide();

    hangarBox_ = new QComboBox(this);
    hangarBox_->setObjectName("HangarBox");
    hangarBox_->addItems({"Junkyard", "1", "2", "3", "Skirmish", "Death Star Run", "Rebel",
                          "Family", "8", "9", "10"});
    auto* typeLabel = new QLabel("Mission type", this);
    typeLabel->setBuddy(hangarBox_);

    flag1Box_ = new QCheckBox("Unknown 1", this);
    flag1Box_->setObjectName("U6");
    flag2Box_ = new QCheckBox("Unknown 2", this);
    flag2Box_->setObjectName("U3");

    for (int i = 0; i < HeaderRec::kHeaderValues; ++i) {
        valueEdits_[i] = new QLineEdit(this);
        valueEdits_[i]->setObjectName(QString("Edit%1").arg(i + 2));
        valueEdits_[i]->setVisible(i == kTimeValue);
    }
    QLineEdit* timeEdit = valueEdits_[kTimeValue];
    timeEdit->setMaximumWidth(80);
    auto* timeLabel = new QLabel("Time", this);
    timeLabel->setBuddy(timeEdit);

    auto* okButton = new QPushButton("&OK", this);
    okButton->setObjectName("OKBtn");
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton("&Cancel", this);
    cancelButton->setObjectName("CancelBtn");
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* grids = new QVBoxLayout;
    grids->addWidget(regionLabel);
    grids->addWidget(regionGrid_);
    grids->addSpacing(8);
    grids->addWidget(stringLabel);
    grids->addWidget(stringGrid_);
    grids->addStretch();

    auto* settings = new QGridLayout;
    settings->addWidget(typeLabel, 0, 0);
    settings->addWidget(hangarBox_, 0, 1);
    settings->addWidget(flag1Box_, 1, 0, 1, 2);
    settings->addWidget(flag2Box_, 2, 0, 1, 2);
    settings->addWidget(timeLabel, 3, 0);
    settings->addWidget(timeEdit, 3, 1, Qt::AlignLeft);
    settings->setRowStretch(4, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(grids, 1);
    columns->addSpacing(12);
    columns->addLayout(settings);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
}

void THeaderForm::Fill() {
    const FillGuard filling(session_);
    const HeaderFields fields = ReadHeaderFields(session_.CurrentMission());
    for (int row = 0; row < kGridRows; ++row) {
        regionGrid_->item(row, 1)->setText(FromBytes(fields.RegionNames[row]));
        stringGrid_->item(row, 1)->setText(FromBytes(fields.HeaderStrings[row]));
    }
    flag2Box_->setChecked(fields.Flag2);
    flag1Box_->setChecked(fields.Flag1);
    hangarBox_->setCurrentIndex(fields.MissionType);
    for (int i = 0; i < HeaderRec::kHeaderValues; ++i) {
        valueEdits_[i]->setText(FromBytes(fields.ValueTexts[i]));
    }
}

HeaderFields THeaderForm::ReadControls() const {
    HeaderFields fields;
    for (int row = 0; row < kGridRows; ++row) {
        fields.RegionNames[row] = ToBytes(regionGrid_->item(row, 1)->text());
        fields.HeaderStrings[row] = ToBytes(stringGrid_->item(row, 1)->text());
    }
    fields.Flag1 = flag1Box_->isChecked();
    fields.Flag2 = flag2Box_->isChecked();
    fields.MissionType = hangarBox_->currentIndex();
    for (int i = 0; i < HeaderRec::kHeaderValues; ++i) {
        fields.ValueTexts[i] = ToBytes(valueEdits_[i]->text());
    }
    return fields;
}

void THeaderForm::accept() {
    sink_(HeaderEdit{ReadControls()});
    QDialog::accept();
}

}  // namespace vorlan
