// Opening a web address, or a new e-mail message with a subject, with the
// system's handler. Headless runs (the default) open nothing: the request is
// written to standard error and reported as not done.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Opens a cp1250 web address; true when the system took it.
bool OpenUrl(std::string_view url);
// A new message to `address` whose subject is `subject` (both cp1250).
bool OpenMailMessage(std::string_view address, std::string_view subject);

// "mailto:" + address + "?subject=" + the subject, percent-encoded as UTF-8.
std::string MailtoUrl(std::string_view address, std::string_view subject);

// What actually opens a (UTF-8) address; returns the handler it replaced.
using UrlHandler = std::function<bool(const std::string& utf8Url)>;
UrlHandler InstallUrlHandler(UrlHandler handler);
