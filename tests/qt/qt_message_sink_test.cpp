#include "qt/qt_message_sink.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "support/form_shots.h"

namespace vek {
namespace {

// A stray Enter keeps the data: a question whose Yes gives data up has No as its default button.
TEST(QtMessageSinkTest, AQuestionThatLosesDataDefaultsToNo) {
  const auto loss = MakeQuestionBox(nullptr, QStringLiteral("データが変更されましたが、キャンセルしてよいのですか？"), false);
  EXPECT_EQ(loss->standardButton(loss->defaultButton()), QMessageBox::No);
  EXPECT_EQ(loss->standardButton(loss->escapeButton()), QMessageBox::No);
  const auto plain = MakeQuestionBox(nullptr, QStringLiteral("縮小しますか？"), true);
  EXPECT_EQ(plain->standardButton(plain->defaultButton()), QMessageBox::Yes);
  loss->show();
  testing::ShootScreen("question-132-default-no.png");
}

}  // namespace
}  // namespace vek
