// Entry point of every test executable: a QApplication (offscreen under
// ctest) so that widget tests can create windows, then GoogleTest.
#include <QApplication>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
