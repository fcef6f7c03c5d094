#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/OpenUrl.h"
#include "platform/Text.h"
#include "platform/sdl/SdlMessageBoxes.h"

TEST(OpenUrl, EncodesTheMailSubjectAsUtf8AndHandsAddressesToTheHandler)
{
    EXPECT_EQ(MailtoUrl("biuro@example.pl", "Wiadomosc z Szeptaczki"),
              "mailto:biuro@example.pl?subject=Wiadomosc%20z%20Szeptaczki");
    EXPECT_EQ(MailtoUrl("a+b@x.pl", "Zażółć?&="_cp), "mailto:a+b@x.pl?subject=Za%C5%BC%C3%B3%C5%82%C4%87%3F%26%3D");
    EXPECT_EQ(MailtoUrl("a@x.pl", ""), "mailto:a@x.pl");

    std::vector<std::string> opened;
    UrlHandler previous = InstallUrlHandler([&](const std::string& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_TRUE(OpenUrl("http://example.pl/ćma"_cp));
    EXPECT_TRUE(OpenMailMessage("a@x.pl", "Cześć"_cp));
    InstallUrlHandler(std::move(previous));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], "http://example.pl/ćma");
    EXPECT_EQ(opened[1], "mailto:a@x.pl?subject=Cze%C5%9B%C4%87");
    // The headless default opens nothing and says so.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(OpenUrl("http://example.pl"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("http://example.pl"), std::string::npos);
}

TEST(SdlMessageBoxes, WithoutADisplayTheMessageGoesToStandardError)
{
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");  // a test machine never has one worth keeping
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    testing::internal::CaptureStderr();
    SdlMessageBoxes().Show("Szeptaczki Cz.VI - Błąd"_cp, "Brak zasobów!"_cp, MessageIcon::Error);
    const std::string err = testing::internal::GetCapturedStderr();
    ::unsetenv("SDL_VIDEODRIVER");
    if (display != nullptr)
        ::setenv("DISPLAY", saved.c_str(), 1);
    EXPECT_NE(err.find("Szeptaczki Cz.VI - Błąd"), std::string::npos);
    EXPECT_NE(err.find("Brak zasobów!"), std::string::npos);
    EXPECT_NE(err.find("error"), std::string::npos);
}
