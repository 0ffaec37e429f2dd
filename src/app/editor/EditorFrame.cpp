#include "app/editor/EditorFrame.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QHBoxLayout>

#include "app/base/Said.h"

namespace tarvo::app {

namespace {

// SimSun 12 pt where it is installed, else a CJK font whose Latin letters are
// monospaced, so columns of G-code line up.
QFont editorFont() {
    const QStringList families = QFontDatabase::families();
    for (const QString& family :
         {QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Sans Mono CJK SC"),
          QStringLiteral("Noto Sans Mono CJK")}) {
        if (families.contains(family)) return QFont(family, 12);
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(12);
    return font;
}

}  // namespace

EditorFrame::EditorFrame(QWidget* parent) : QGroupBox(Said::tr("新文件"), parent) {
    filetxt_ = new ProgramEditor(this);
    filetxt_->setObjectName(QStringLiteral("filetxt"));
    filetxt_->setFont(editorFont());
    filetxt_->setLineWrapMode(QPlainTextEdit::NoWrap);
    filetxt_->installEventFilter(this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(filetxt_);
}

void EditorFrame::markLine(qint64 line) {
    filetxt_->markLine(line);
}

qint64 EditorFrame::markedLine() const {
    return filetxt_->markedLine();
}

void EditorFrame::moveCaret(qint64 position) {
    QTextCursor cursor = filetxt_->textCursor();
    const qint64 end = filetxt_->document()->characterCount() - 1;
    cursor.setPosition(static_cast<int>(std::clamp<qint64>(position, 0, end)));
    filetxt_->setTextCursor(cursor);
}

bool EditorFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filetxt_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        // A menu, the menu bar's keyboard mode (an access key or Alt) or
        // another application taking the focus for a moment does not move it
        // away from the editor: the focus comes back when they close.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
            reason != Qt::ActiveWindowFocusReason) {
            emit editorFocusChanged(event->type() == QEvent::FocusIn);
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace tarvo::app
