#include "app/editor/EditorFrame.h"
#include "app/editor/LineGutter.h"
#include "app/support/TableFile.h"
#include "app/support/WindowUnderTest.h"
#include "interp/Messages.h"

namespace tarvo::app {

namespace {

QString kindName(GcodeWord word) {
    const char* names[] = {"motion", "g", "m", "coordinate", "ignored", "mark"};
    return QLatin1String(names[static_cast<int>(word)]);
}

// "word:kind" for every coloured piece of a line, as the scanner sees it.
QStringList scanned(const QString& line) {
    QStringList pieces;
    for (const GcodeSpan& span : GcodeSyntax::spans(line)) {
        pieces << line.mid(span.start, span.length) + ':' + kindName(span.word);
    }
    return pieces;
}

// "word:colour" for every coloured piece of a line as painted.
QStringList painted(const QTextBlock& block) {
    QStringList pieces;
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        pieces << block.text().mid(range.start, range.length) + ':' +
                      range.format.foreground().color().name();
    }
    return pieces;
}

// The lines that carry an extra selection of this kind.
QList<int> linesWith(const ProgramEditor& editor, bool (*kind)(const QTextCharFormat&)) {
    QList<int> lines;
    for (const QTextEdit::ExtraSelection& s : editor.extraSelections()) {
        if (kind(s.format)) lines << s.cursor.blockNumber();
    }
    return lines;
}
bool isBand(const QTextCharFormat& f) {
    return f.property(QTextFormat::FullWidthSelection).toBool();
}

// The underline colours of the wavy marks (errors, warnings), by line.
QMap<int, QColor> wavyLines(const ProgramEditor& editor) {
    QMap<int, QColor> lines;
    for (const QTextEdit::ExtraSelection& s : editor.extraSelections()) {
        if (s.format.underlineStyle() == QTextCharFormat::WaveUnderline) {
            lines.insert(s.cursor.blockNumber(), s.format.underlineColor());
        }
    }
    return lines;
}

int rowOf(ProgramEditor& editor, int line) {
    for (const ProgramEditor::LineBox& box : editor.visibleLines()) {
        if (box.line == line) return box.top + box.height / 2;
    }
    return -1;
}

// Whether the gutter shows the red marker at a line's height.
bool arrowAt(ProgramEditor& editor, int line) {
    const QImage gutter = editor.gutter().grab().toImage();
    const int y = rowOf(editor, line);
    for (int x = 0; x < 16; ++x) {
        if (gutter.pixelColor(x, y) == QColor(200, 0, 0)) return true;
    }
    return false;
}

}  // namespace

class ProgramEditorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { QVERIFY(t_.openWindow()); }

    void cleanup() { t_.window.reset(); }

    void wordsGetTheKindOfTheirLetter_data() { QVERIFY(addRows("gcode-words.tsv")); }
    void wordsGetTheKindOfTheirLetter() {
        QFETCH(TableRow, row);
        QCOMPARE(scanned(QString::fromUtf8(row["line"])),
                 QString::fromUtf8(row["words"]).split(' '));
    }

    // Lines are coloured when painted, anew after an edit, never before; however long a line, its
    // first thousand characters only.
    void onlyPaintedLinesAreColoured() {
        ProgramEditor& editor = t_.window->editorFrame().filetxt();
        editor.setPlainText(QStringLiteral("G01X5 F200\n") + QStringLiteral("Y1\n").repeated(3000));
        editor.viewport()->repaint();
        const auto colour = [](GcodeWord w) { return GcodeHighlighter::colour(w).name(); };
        QCOMPARE(
            painted(editor.document()->firstBlock()),
            (QStringList{"G01:" + colour(GcodeWord::Motion), "X5:" + colour(GcodeWord::Coordinate),
                         "F200:" + colour(GcodeWord::Ignored)}));
        QVERIFY(painted(editor.document()->lastBlock().previous()).isEmpty());
        QTextCursor(editor.document()).insertText(QStringLiteral("M3"));
        editor.viewport()->repaint();
        QCOMPARE(painted(editor.document()->firstBlock()).first(),
                 "M3:" + colour(GcodeWord::MWord));
        editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum());
        editor.viewport()->repaint();
        QCOMPARE(painted(editor.document()->lastBlock().previous()),
                 QStringList{"Y1:" + colour(GcodeWord::Coordinate)});
        editor.setPlainText(QStringLiteral("X1 ").repeated(1000));  // the first 1000 characters
        editor.viewport()->repaint();
        const auto formats = editor.document()->firstBlock().layout()->formats();
        QCOMPARE(formats.size(), 334);
        QCOMPARE(formats.last().start + formats.last().length, 1000);
    }

    // Band and gutter arrow mark the line executed; Stop and the run's end clear the band.
    void executingLineFollowsTheMarker() {
        ProgramEditor& editor = t_.window->editorFrame().filetxt();
        t_.window->runCommand();
        t_.window->pauseCommand();
        while (t_.window->editorFrame().markedLine() < 3) {
            t_.window->machine().stepPaused(interp::Machine::StepUnit::Line);
        }
        const int line = static_cast<int>(t_.window->editorFrame().markedLine());
        QCOMPARE(linesWith(editor, isBand), QList<int>{line});
        QVERIFY(arrowAt(editor, line) && !arrowAt(editor, 0));
        t_.window->stopCommand();
        QVERIFY(linesWith(editor, isBand).isEmpty());
        QVERIFY(arrowAt(editor, 0) && !arrowAt(editor, line));
        t_.window->runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(t_.window->machine().idle(), 10000);
        QVERIFY(linesWith(editor, isBand).isEmpty());
    }

    // A full circle is marked with its warning and the run goes on, without a message, to an
    // error that stops it: each line marked in its own colour, with its tip in the text and the
    // gutter, until a new run or an edit.
    void warningAndErrorMarkTheirLines() {
        ProgramEditor& editor = t_.window->editorFrame().filetxt();
        editor.setPlainText(QStringLiteral("%\nG00X5Y0\nG02X5Y0I-5J0\nG01X7\nG04\n%\n"));
        QVERIFY(runsToEnd(*t_.window));
        const QString error = QStringLiteral("第5行有错G....");
        QTRY_COMPARE(t_.prompts->log, QStringList{QStringLiteral("出错: ") + error});
        QCOMPARE(editor.errorLine(), 4);
        const QString warning = QString::fromUtf8(interp::messages::fullCircle);
        QCOMPARE(editor.warningAt(2), warning);
        QCOMPARE((QStringList{editor.toolTipAt(1), editor.toolTipAt(2), editor.toolTipAt(4)}),
                 (QStringList{QString(), warning, error}));
        QCOMPARE(editor.gutter().toolTipAt(rowOf(editor, 4)), error);
        QCOMPARE(editor.gutter().toolTipAt(rowOf(editor, 1)), QString());
        const QMap<int, QColor> marked = wavyLines(editor);
        QCOMPARE(marked.keys(), (QList<int>{2, 4}));
        QVERIFY(marked[2] != marked[4]);
        t_.window->runCommand();  // a new run starts without the old mark
        QCOMPARE(editor.errorLine(), -1);
        QTRY_COMPARE(editor.errorLine(), 4);
        QTest::keyClick(&editor, Qt::Key_A);
        QCOMPARE(editor.errorLine(), -1);
        QVERIFY(wavyLines(editor).isEmpty() && editor.warningAt(2).isEmpty());
        QCOMPARE(editor.gutter().toolTipAt(rowOf(editor, 4)), QString());
    }

    // Clear can be undone; Cut and Copy take the selection or nothing; Paste puts the clipboard's
    // text, or nothing, in its place.
    void editCommands() {
        const MainMenus& m = t_.window->menus();
        ProgramEditor& text = t_.window->editorFrame().filetxt();
        const QString sample = text.toPlainText();
        const auto selectLine2 = [&text] {
            QTextCursor cursor(text.document()->findBlockByNumber(1));
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            text.setTextCursor(cursor);
        };
        const auto line2 = [&text] { return text.document()->findBlockByNumber(1).text(); };
        m.clearText->trigger();
        QVERIFY(text.toPlainText().isEmpty());
        text.undo();
        QCOMPARE(text.toPlainText(), sample);
        QApplication::clipboard()->setText(QStringLiteral("old"));
        m.cutText->trigger();  // nothing selected
        QCOMPARE(QApplication::clipboard()->text(), QString());
        QCOMPARE(text.toPlainText(), sample);

        selectLine2();
        m.copyText->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("G90G00X10Y10"));
        QCOMPARE(line2(), QStringLiteral("G90G00X10Y10"));
        m.cutText->trigger();
        QCOMPARE(line2(), QString());
        m.pasteText->trigger();
        QCOMPARE(text.toPlainText(), sample);
        selectLine2();
        QApplication::clipboard()->clear();
        m.pasteText->trigger();
        QCOMPARE(line2(), QString());
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ProgramEditorTest)
#include "ProgramEditorTest.moc"
