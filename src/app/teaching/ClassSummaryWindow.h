#pragma once

#include <QStringList>
#include <QWidget>
#include <string>

#include "teach/exercises/ClassSummary.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace tarvo::app {

class Prompts;

// The class's exercise files summed up, in a window of its own beside the
// main one (never modal): a teacher picks the files the students exported,
// or drops them on the window, and sees every student's latest score, every
// step with the wrong answers given to it, and the files left out and why.
// The summary goes out as CSV for a spreadsheet or as a page to print.
class ClassSummaryWindow : public QWidget {
    Q_OBJECT

public:
    explicit ClassSummaryWindow(Prompts& prompts, QWidget* parent = nullptr);

    // Shows the window, raised and at a size that fits the screen.
    void present();
    // Adds files to the class (a file already in it is read again) and sums
    // them up afresh.
    void addFiles(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* buildButtons();
    QWidget* buildTables();
    void clearFiles();
    void refresh();
    void showStudents();
    void showSteps();
    void showLeftOut();
    void exportFile(const QString& title, const QString& filter, const QString& suffix,
                    const std::string& bytes);

    Prompts& prompts_;
    QStringList paths_;
    teach::ClassSummary summary_;
    QLabel* score_;
    QTableWidget* students_;
    QTableWidget* steps_;
    QLabel* leftOutCaption_;
    QListWidget* leftOut_;
    QList<QPushButton*> exports_;
};

}  // namespace tarvo::app
