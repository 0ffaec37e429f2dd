#include "app/teaching/ClassSummaryWindow.h"

#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/base/Prompts.h"
#include "files/WholeFile.h"
#include "teach/exercises/ClassSummaryCsv.h"
#include "teach/exercises/ClassSummaryPage.h"
#include "teach/exercises/ExerciseTexts.h"

namespace tarvo::app {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QTableWidget* table(const QStringList& captions, const char* name, QWidget* parent) {
    auto* t = new QTableWidget(0, static_cast<int>(captions.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHorizontalHeaderLabels(captions);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(static_cast<int>(captions.size()) - 1,
                                                QHeaderView::Stretch);
    return t;
}

void fillRow(QTableWidget& t, int row, const QStringList& cells, const QColor& shade) {
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (shade.isValid()) item->setBackground(shade);
        t.setItem(row, column, item);
    }
}

// The file as the summary takes it: its bytes, or why there are none.
teach::ClassFile readFile(const QString& path) {
    const QFileInfo info(path);
    teach::ClassFile file{info.fileName().toStdString(), {}, {}};
    QFile in(path);
    if (!info.exists()) {
        file.problem = "找不到文件";
    } else if (!info.isFile()) {
        file.problem = "不是普通文件";
    } else if (info.size() > static_cast<qint64>(teach::largestClassFile)) {
        file.problem = std::string(teach::classFileTooLarge());
    } else if (!in.open(QIODevice::ReadOnly)) {
        file.problem = "无法读取";
    } else {
        file.bytes = in.readAll().toStdString();
    }
    return file;
}

QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) paths << url.toLocalFile();
    }
    return paths;
}

const QColor wrongShade(0xfd, 0xe2, 0xe2);

}  // namespace

ClassSummaryWindow::ClassSummaryWindow(Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), prompts_(prompts) {
    setWindowTitle(QStringLiteral("班级汇总"));
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    score_ = new QLabel(this);
    score_->setObjectName(QStringLiteral("classScore"));
    score_->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold"));
    score_->setWordWrap(true);
    layout->addWidget(score_);
    layout->addWidget(buildTables(), 1);
    leftOutCaption_ = new QLabel(QStringLiteral("未计入的文件："), this);
    leftOut_ = new QListWidget(this);
    leftOut_->setObjectName(QStringLiteral("leftOut"));
    leftOut_->setMaximumHeight(fontMetrics().height() * 5);
    layout->addWidget(leftOutCaption_);
    layout->addWidget(leftOut_);
    layout->addWidget(buildButtons());
    refresh();
}

QWidget* ClassSummaryWindow::buildTables() {
    auto* split = new QSplitter(Qt::Horizontal, this);
    students_ = table({QStringLiteral("学号"), QStringLiteral("姓名"), QStringLiteral("文件"),
                       QStringLiteral("次"), QStringLiteral("答对"), QStringLiteral("得分率"),
                       QStringLiteral("备注")},
                      "students", split);
    steps_ = table({QStringLiteral("步"), QStringLiteral("答项"), QStringLiteral("应为"),
                    QStringLiteral("答错"), QStringLiteral("错答")},
                   "steps", split);
    split->addWidget(students_);
    split->addWidget(steps_);
    return split;
}

QWidget* ClassSummaryWindow::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* add = button(QStringLiteral("添加文件(&A)..."), "addFiles", row);
    auto* clear = button(QStringLiteral("清空(&L)"), "clearFiles", row);
    auto* students = button(QStringLiteral("导出成绩 CSV(&C)..."), "exportStudents", row);
    auto* steps = button(QStringLiteral("导出各步 CSV(&T)..."), "exportSteps", row);
    auto* page = button(QStringLiteral("导出网页(&H)..."), "exportPage", row);
    exports_ = {students, steps, page};
    layout->addWidget(add);
    layout->addWidget(clear);
    layout->addStretch();
    for (QPushButton* b : exports_) layout->addWidget(b);
    connect(add, &QPushButton::clicked, this, [this] {
        addFiles(prompts_.openFileNames(QStringLiteral("选择学生的练习答案"),
                                        QStringLiteral("CSV 文件 (*.csv);;所有文件 (*)")));
    });
    connect(clear, &QPushButton::clicked, this, &ClassSummaryWindow::clearFiles);
    connect(students, &QPushButton::clicked, this, [this] {
        exportFile(QStringLiteral("导出班级成绩"), QStringLiteral("CSV 文件 (*.csv)"),
                   QStringLiteral("csv"), teach::classStudentsCsv(summary_));
    });
    connect(steps, &QPushButton::clicked, this, [this] {
        exportFile(QStringLiteral("导出各步错答"), QStringLiteral("CSV 文件 (*.csv)"),
                   QStringLiteral("csv"), teach::classStepsCsv(summary_));
    });
    connect(page, &QPushButton::clicked, this, [this] {
        const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
        exportFile(QStringLiteral("导出班级汇总网页"), QStringLiteral("网页 (*.html)"),
                   QStringLiteral("html"), teach::classSummaryPage(summary_, date));
    });
    return row;
}

void ClassSummaryWindow::present() {
    const QScreen* on = parentWidget() ? parentWidget()->screen() : screen();
    resize(QSize(1100, 640).boundedTo(on->availableGeometry().size() * 0.9));
    show();
    raise();
    activateWindow();
}

void ClassSummaryWindow::addFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        const QString absolute = QFileInfo(QDir::cleanPath(path)).absoluteFilePath();
        if (!paths_.contains(absolute)) paths_ << absolute;
    }
    if (!paths.isEmpty()) refresh();
}

void ClassSummaryWindow::clearFiles() {
    paths_.clear();
    refresh();
}

void ClassSummaryWindow::refresh() {
    std::vector<teach::ClassFile> files;
    for (const QString& path : paths_) files.push_back(readFile(path));
    summary_ = teach::summarise(files);
    if (summary_.students.empty()) {
        score_->setText(QStringLiteral("选择或拖入学生导出的练习答案（CSV 文件）。"));
    } else {
        score_->setText(
            QStringLiteral("练习码 %1：%2").arg(text(summary_.code), text(summary_.scoreText())));
    }
    showStudents();
    showSteps();
    showLeftOut();
    for (QPushButton* b : exports_) b->setEnabled(!summary_.students.empty());
}

void ClassSummaryWindow::showStudents() {
    students_->setRowCount(static_cast<int>(summary_.students.size()));
    int row = 0;
    for (const teach::ClassStudent& s : summary_.students) {
        const teach::ExerciseSheet& sheet = s.sheet;
        fillRow(
            *students_, row++,
            {text(sheet.number), text(sheet.name), text(s.file), QString::number(sheet.attempt),
             QStringLiteral("%1 / %2").arg(sheet.rights).arg(sheet.total),
             text(teach::percentText(sheet.rights, sheet.total)), text(teach::studentRemark(s))},
            s.sharedNumber ? wrongShade : QColor());
    }
}

// Each exercise's steps under a row of its own that says the exercise, as
// the printed page has them.
void ClassSummaryWindow::showSteps() {
    steps_->clearSpans();
    steps_->setRowCount(0);
    std::size_t exercise = 0;
    for (const teach::ClassStep& s : summary_.steps) {
        const int row = steps_->rowCount();
        if (s.exercise != exercise) {
            exercise = s.exercise;
            steps_->insertRow(row);
            auto* task = new QTableWidgetItem(
                QStringLiteral("%1. %2").arg(exercise).arg(text(teach::shownText(s.task))));
            QFont bold = task->font();
            bold.setBold(true);
            task->setFont(bold);
            steps_->setItem(row, 0, task);
            steps_->setSpan(row, 0, 1, steps_->columnCount());
        }
        steps_->insertRow(steps_->rowCount());
        fillRow(*steps_, steps_->rowCount() - 1,
                {QString::number(s.iteration), text(s.item), text(teach::shownText(s.expected)),
                 QStringLiteral("%1 / %2").arg(s.wrong).arg(s.answered),
                 text(teach::wrongAnswersText(s))},
                s.wrong > 0 ? wrongShade : QColor());
    }
}

void ClassSummaryWindow::showLeftOut() {
    leftOut_->clear();
    for (const teach::LeftOutFile& f : summary_.leftOut) {
        leftOut_->addItem(QStringLiteral("%1：%2").arg(text(f.file), text(f.reason)));
    }
    leftOutCaption_->setVisible(!summary_.leftOut.empty());
    leftOut_->setVisible(!summary_.leftOut.empty());
}

void ClassSummaryWindow::exportFile(const QString& title, const QString& filter,
                                    const QString& suffix, const std::string& bytes) {
    QString path = prompts_.saveFileName(title, filter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
    if (!files::writeWhole(QFile::encodeName(path).toStdString(), bytes)) {
        prompts_.message(QStringLiteral("保存失败"),
                         QStringLiteral("无法保存文件：%1").arg(QDir::toNativeSeparators(path)));
    }
}

void ClassSummaryWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void ClassSummaryWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    addFiles(paths);
}

}  // namespace tarvo::app
