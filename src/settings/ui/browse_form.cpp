#include "settings/ui/browse_form.h"

#include <algorithm>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace vorlan {

QStringList MountedRoots() {
    QStringList roots{QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            roots.append(volume.rootPath());
        }
    }
    roots.sort();
    roots.removeDuplicates();
    return roots;
}

int ContainingRootIndex(const QStringList& roots, const QString& path) {
    int best = -1;
    for (int i = 0; i < roots.size(); ++i) {
        const QString& root = roots[i];
        const bool contains = path == root || (path.startsWith(root) &&
                                               (root.endsWith('/') || path.at(root.size()) == '/'));
        if (contains && (best < 0 || root.size() > roots[best].size())) {
            best = i;
        }
    }
    return best;
}

TBrowseForm::TBrowseForm(const QString& current, QWidget* parent)
    : QDialog(parent),
      drives_(new QComboBox),
      tree_(new QTreeView),
      directoryLabel_(new QLabel),
      model_(new QFileSystemModel(this)) {
    setWindowTitle("Browse");
    resize(420, 460);

    drives_->setObjectName("DriveBox");
    drives_->addItems(MountedRoots());

    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    model_->setReadOnly(true);
    tree_->setObjectName("DirTree");
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column) {
        tree_->hideColumn(column);
    }

    directoryLabel_->setObjectName("DirLabel");
    directoryLabel_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    directoryLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* ok = new QPushButton("&OK");
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("CancelBtn");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(drives_);
    layout->addWidget(tree_, 1);
    layout->addWidget(directoryLabel_);
    layout->addLayout(buttons);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { CurrentChanged(index); });
    connect(drives_, &QComboBox::currentTextChanged, this, &TBrowseForm::ShowRoot);

    const QFileInfo start(current);
    ShowDirectory(start.isAbsolute() && start.isDir() ? start.absoluteFilePath()
                                                      : QDir::homePath());
    // The model reads and sorts directories in the background, moving the start out of view.
    connect(model_, &QFileSystemModel::directoryLoaded, this, &TBrowseForm::KeepStartInView);
    connect(model_, &QFileSystemModel::layoutChanged, this, &TBrowseForm::KeepStartInView);
    connect(tree_, &QTreeView::expanded, this, [this] { followStart_ = false; });
    connect(tree_, &QTreeView::collapsed, this, [this] { followStart_ = false; });
    followStart_ = true;
}

void TBrowseForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    KeepStartInView();
}

void TBrowseForm::KeepStartInView() {
    if (followStart_) {
        tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
}

void TBrowseForm::ShowRoot(const QString& root) {
    model_->setRootPath(root);
    tree_->setRootIndex(model_->index(root));
    // No item is current until one is picked: the root itself is then the directory.
    tree_->setCurrentIndex(QModelIndex());
    CurrentChanged(QModelIndex());
}

void TBrowseForm::ShowDirectory(const QString& directory) {
    const QString path = QDir::cleanPath(directory);
    QStringList roots;
    for (int i = 0; i < drives_->count(); ++i) {
        roots.append(drives_->itemText(i));
    }
    // "/" is always listed, so only a relative path could miss every root.
    const int drive = std::max(ContainingRootIndex(roots, path), 0);
    {
        const QSignalBlocker blocker(drives_);
        drives_->setCurrentIndex(drive);
    }
    ShowRoot(roots.at(drive));
    if (path != roots.at(drive)) {
        const QModelIndex index = model_->index(path);
        tree_->setCurrentIndex(index);
        tree_->scrollTo(index);
    }
}

void TBrowseForm::CurrentChanged(const QModelIndex& current) {
    followStart_ = false;
    chosen_ = current.isValid() ? model_->filePath(current) : model_->rootPath();
    directoryLabel_->setText(chosen_);
}

std::optional<std::string> ChooseDirectoryWithBrowseForm(const std::string& current,
                                                         QWidget* parent) {
    TBrowseForm form(QFile::decodeName(QByteArray::fromStdString(current)), parent);
    if (form.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return QFile::encodeName(form.ChosenDirectory()).toStdString();
}

}  // namespace vorlan
