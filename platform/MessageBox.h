// Message boxes with a title, a text and an icon. Text is cp1250.
#pragma once

#include <memory>
#include <string>

enum class MessageIcon { Error, Warning, Information };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Show(const std::string& title, const std::string& text, MessageIcon icon) = 0;
};

// Headless runs (and tests): the title and text go to standard error in UTF-8.
class StderrMessageBoxes final : public MessageBoxes {
public:
    void Show(const std::string& title, const std::string& text, MessageIcon icon) override;
};

MessageBoxes& TheMessageBoxes();
std::unique_ptr<MessageBoxes> InstallMessageBoxes(std::unique_ptr<MessageBoxes> boxes);
