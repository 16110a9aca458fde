#include "editor/about_box.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

namespace vorlan {
namespace {

TEST(AboutBox, ShowsNameAndVersionAndClosesWithOk) {
    AboutBox box;
    QStringList texts;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains("Vorlan"));
    EXPECT_TRUE(texts.contains("beta 0.35se"));
    box.findChild<QPushButton*>("OKBtn")->click();
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace vorlan
