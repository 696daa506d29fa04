#pragma once

#include <QString>

#include <functional>

class QPrinter;

class QWidget;

// The dialogs Save needs: the desktop's file dialog and a message when the
// file cannot be written. Tests answer them without showing anything.
class ResultsDialogs
{
public:
    virtual ~ResultsDialogs() = default;
    // The file to save to, or an empty string when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &suggestedName) = 0;
    // The file to save a chart's picture to (.png, .svg or .pdf), or empty.
    virtual QString savePictureName(QWidget *parent, const QString &suggestedName) = 0;
    // The PDF file to export the handout to, or empty.
    virtual QString saveHandoutName(QWidget *parent, const QString &suggestedName) = 0;
    // The desktop's print preview of the page that paint draws, and its
    // Print; returns once it is closed.
    virtual void printPreview(QWidget *parent, const std::function<void(QPrinter &)> &paint) = 0;
    virtual void tellFailure(QWidget *parent, const QString &message) = 0;
};

// The real ones: the desktop's file dialog and a warning box.
class QtResultsDialogs final : public ResultsDialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &suggestedName) override;
    QString savePictureName(QWidget *parent, const QString &suggestedName) override;
    QString saveHandoutName(QWidget *parent, const QString &suggestedName) override;
    void printPreview(QWidget *parent, const std::function<void(QPrinter &)> &paint) override;
    void tellFailure(QWidget *parent, const QString &message) override;
};
