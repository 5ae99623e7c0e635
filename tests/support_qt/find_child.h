#pragma once
// A named control of a form, found as a black-box test finds it; fails the test when it is missing.
#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

namespace vek::testing {

template <typename T>
T* Child(QWidget& form, const char* objectName) {
  T* child = form.findChild<T*>(QString::fromLatin1(objectName));
  EXPECT_NE(child, nullptr) << objectName;
  return child;
}

}  // namespace vek::testing
