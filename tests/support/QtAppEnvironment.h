#pragma once
// One QApplication for every window test of this executable (offscreen platform in the test run).

#include <QApplication>
#include <QRect>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <ostream>

// Readable rectangles in test failures.
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

namespace quillon::testing {

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance())
            return;
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "test_support";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

} // namespace quillon::testing
