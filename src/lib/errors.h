#pragma once
// Errors that end a user command. The application's error handler shows what() of each in a message box
// and the program goes on; nothing the command had begun is left half written.

#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error {
public:
    explicit AppError(const QString &message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

// A text that should hold a number does not.
class NumberConversionError : public AppError {
public:
    explicit NumberConversionError(const QString &text, const QString &message) : AppError(message), text_(text) {}
    const QString &text() const { return text_; }

private:
    QString text_;
};

// A file or folder could not be read or written.
class IoError : public AppError {
public:
    using AppError::AppError;
};
