#include "platform/Desktop.h"
#include "platform/Links.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(OpenLink, BuildsTheAddressForEachKind) {
    struct Case {
        const char* kind;
        const char* target;
        const char* url; // nullptr: refused
    } cases[] = {
        {"EMAIL", "someone@example.org", "mailto:someone@example.org"},
        {"HTTP", "www.example.org", "http://www.example.org"},
        {"HTTP", "http://www.example.org", "http://www.example.org"},
        {"HTTP", "https://www.example.org/a", "https://www.example.org/a"},
        {"HTTP", "", "http://"},
        {"FTP", "ftp.example.org", nullptr},
        {"http", "www.example.org", nullptr},
    };
    for (const auto& c : cases) {
        RecordingDesktop d;
        bool ok = OpenLink(d, c.kind, c.target);
        if (c.url) {
            EXPECT_TRUE(ok) << c.kind;
            ASSERT_EQ(d.urls.size(), 1u);
            EXPECT_EQ(d.urls[0], c.url);
        } else {
            EXPECT_FALSE(ok) << c.kind;
            EXPECT_TRUE(d.urls.empty());
            ASSERT_EQ(d.boxes.size(), 1u);
            EXPECT_EQ(d.boxes[0].text, "Error in parameters");
        }
    }
}

TEST(OpenLink, ReportsARefusedLink) {
    RecordingDesktop d;
    d.urlAccepted = false;
    EXPECT_FALSE(OpenLink(d, "HTTP", "example.org"));
}

} // namespace
} // namespace quillon
