#pragma once
// The directory chooser: a list of the mounted filesystems, the directory tree of the chosen
// one, and a label showing the directory the tree is on.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QModelIndex;
class QTreeView;

namespace vorlan {

// The root paths of the mounted, ready filesystems, sorted, each once; "/" always among them.
QStringList MountedRoots();

// The index of the root that contains path (the longest one, matched by whole path components),
// or -1.
int ContainingRootIndex(const QStringList& roots, const QString& path);

class TBrowseForm : public QDialog {
    Q_OBJECT

public:
    // Starts at current when it is an existing directory, otherwise at the home directory.
    explicit TBrowseForm(const QString& current, QWidget* parent = nullptr);

    QString ChosenDirectory() const { return chosen_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowRoot(const QString& root);
    void ShowDirectory(const QString& directory);
    void CurrentChanged(const QModelIndex& current);
    void KeepStartInView();

    QComboBox* drives_;
    QTreeView* tree_;
    QLabel* directoryLabel_;
    QFileSystemModel* model_;
    QString chosen_;
    // The tree keeps the start directory in view while its parents are still being read, until
    // the user moves elsewhere.
    bool followStart_ = true;
};

// Runs the chooser modally; the directory on OK, nothing on Cancel.
std::optional<std::string> ChooseDirectoryWithBrowseForm(const std::string& current,
                                                         QWidget* parent);

}  // namespace vorlan
