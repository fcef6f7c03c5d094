// Web and e-mail addresses handed to the installed handler.
#include "platform/OpenUrl.h"

#include <cstdio>

#include "platform/Text.h"

namespace {

bool WriteRequest(const std::string& url)
{
    std::fprintf(stderr, "[open] %s\n", url.c_str());
    std::fflush(stderr);
    return false;
}

UrlHandler& Handler()
{
    static UrlHandler handler = WriteRequest;
    return handler;
}

std::string PercentEncoded(std::string_view cp1250, std::string_view alsoKept)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : Cp1250ToUtf8(cp1250)) {
        const auto c = static_cast<unsigned char>(ch);
        const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                          c == '-' || c == '_' || c == '.' || c == '~' || alsoKept.find(ch) != std::string_view::npos;
        if (kept) {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        }
    }
    return out;
}

}  // namespace

bool OpenUrl(std::string_view url)
{
    return Handler() && Handler()(Cp1250ToUtf8(url));
}

bool OpenMailMessage(std::string_view address, std::string_view subject)
{
    return Handler() && Handler()(MailtoUrl(address, subject));
}

std::string MailtoUrl(std::string_view address, std::string_view subject)
{
    std::string url = "mailto:" + PercentEncoded(address, "@+");
    if (!subject.empty())
        url += "?subject=" + PercentEncoded(subject, "");
    return url;
}

UrlHandler InstallUrlHandler(UrlHandler handler)
{
    UrlHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
