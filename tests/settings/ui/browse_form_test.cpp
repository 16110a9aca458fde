#include "settings/ui/browse_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QTreeView>
#include <filesystem>

#include "support/temp_dir.h"

namespace vorlan {
namespace {

struct BrowseView {
    explicit BrowseView(const TBrowseForm& form)
        : Drives(form.findChild<QComboBox*>("DriveBox")),
          Tree(form.findChild<QTreeView*>("DirTree")),
          Label(form.findChild<QLabel*>("DirLabel")) {}
    QComboBox* Drives;
    QTreeView* Tree;
    QLabel* Label;
};

TEST(BrowseFormTest, RootsMatchWholePathComponents) {
    const QStringList roots{"/", "/home", "/home/user/data"};
    EXPECT_EQ(ContainingRootIndex(roots, "/home/user/x"), 1);
    EXPECT_EQ(ContainingRootIndex(roots, "/homer"), 0);
    EXPECT_EQ(ContainingRootIndex(roots, "/home/user/data"), 2);
    EXPECT_EQ(ContainingRootIndex(roots, "relative"), -1);
    EXPECT_TRUE(MountedRoots().contains("/"));
}

TEST(BrowseFormTest, StartsAtAnExistingDirectoryAndTheLabelFollowsTheTree) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.File("a/b"));
    const QString start = QString::fromStdString(dir.File("a"));
    TBrowseForm form(start);
    const BrowseView view(form);
    ASSERT_TRUE(view.Drives && view.Tree && view.Label);
    EXPECT_EQ(form.windowTitle(), "Browse");

    EXPECT_EQ(form.ChosenDirectory(), start);
    EXPECT_EQ(view.Label->text(), start);
    EXPECT_TRUE(start.startsWith(view.Drives->currentText()));

    auto* model = qobject_cast<QFileSystemModel*>(view.Tree->model());
    const QString inner = QString::fromStdString(dir.File("a/b"));
    view.Tree->setCurrentIndex(model->index(inner));
    EXPECT_EQ(view.Label->text(), inner);
    EXPECT_EQ(form.ChosenDirectory(), inner);

    // Changing the drive re-roots the tree at it.
    if (view.Drives->count() > 1) {
        view.Drives->setCurrentIndex((view.Drives->currentIndex() + 1) % view.Drives->count());
        const QString root = view.Drives->currentText();
        EXPECT_EQ(form.ChosenDirectory(), root);
        EXPECT_EQ(view.Label->text(), root);
        EXPECT_EQ(model->filePath(view.Tree->rootIndex()), root);
    }
}

TEST(BrowseFormTest, FallsBackToHomeForAMissingDirectory) {
    test::TempDir dir;
    for (const std::string& missing : {dir.File("gone"), std::string("Undefined")}) {
        TBrowseForm form(QString::fromStdString(missing));
        EXPECT_EQ(form.ChosenDirectory(), QDir::homePath()) << missing;
        EXPECT_EQ(BrowseView(form).Label->text(), QDir::homePath());
    }
}

}  // namespace
}  // namespace vorlan
