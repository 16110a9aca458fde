#include "text/message_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace vorlan {
namespace {

TEST(MessageRows, NumberAndTextWithoutColourPrefix) {
    MsgObject message;
    const std::pair<std::string, std::string> texts[] = {
        {"1Hi", "Hi"}, {"3Hi", "Hi"}, {"4Hi", "4Hi"}, {"11", "1"}, {"2", ""}};
    for (const auto& [stored, shown] : texts) {
        message.Record.SetText(MsgRec::Text, stored);
        EXPECT_EQ(MessageRow(message, 0), " 0:  " + shown) << stored;
    }
    message.Record.SetText(MsgRec::Text, std::string(64, 'x'));  // no terminating zero
    EXPECT_EQ(MessageRow(message, 10), "10:  " + std::string(64, 'x'));
}

TEST(MessageRows, SelectionOfEveryRowIsKept) {
    Mission mission;
    const auto add = [&](int count) {
        for (int i = 0; i < count; ++i) {
            mission.Messages.push_back(std::make_unique<MsgObject>());
        }
    };
    add(150);
    ListRows list;
    RebuildMessageList(mission, list);
    list.Selected[0] = list.Selected[101] = list.Selected[130] = list.Selected[149] = true;

    mission.Messages.pop_back();
    mission.Messages.front()->Record.SetText(MsgRec::Text, "2Go");
    RebuildMessageList(mission, list);
    EXPECT_EQ(list.Rows[0], " 0:  Go");
    EXPECT_EQ(list.Rows[148], "148:  ");
    EXPECT_TRUE(list.Selected[0] && list.Selected[101] && list.Selected[130]);
    EXPECT_EQ(std::count(list.Selected.begin(), list.Selected.end(), true), 3);

    add(2);
    RebuildMessageList(mission, list);
    EXPECT_FALSE(list.IsSelected(149));
}

}  // namespace
}  // namespace vorlan
