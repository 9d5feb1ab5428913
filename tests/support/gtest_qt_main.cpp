// Test entry: one QApplication for the whole test program, then GoogleTest.
#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (CTest's discovery at build time) needs no display.
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("GST_REGISTRY")) qputenv("GST_REGISTRY", VIDMORA_TEST_GST_REGISTRY);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
