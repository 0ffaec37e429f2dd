#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tarvo::app {

struct DecodedProgram;

// How a program file is laid out on disk: its character set, a UTF-8
// byte-order mark, and its line ending. Programs come from Windows editors
// (GBK, CR LF) as well as from Linux ones (UTF-8, LF), and go back to the
// machine the way they came.
class ProgramEncoding {
public:
    enum class Charset { Utf8, Gb18030 };

    // A new program: UTF-8 without byte-order mark, CR LF.
    ProgramEncoding() = default;

    // The text of a file with "\n" line endings, and how the file was
    // written; nothing when the bytes are neither UTF-8 nor GB18030 (which
    // includes GBK) text.
    static std::optional<DecodedProgram> decode(const QByteArray& bytes);
    // Text with "\n" line endings as the file's bytes; nothing when the text
    // holds a broken character (a lone UTF-16 surrogate) that no file can hold.
    std::optional<QByteArray> encode(const QString& text) const;
    // Text with "\n" turned into this file's line ending.
    QString withLineEndings(const QString& text) const;

private:
    Charset charset_ = Charset::Utf8;
    bool byteOrderMark_ = false;
    QString lineEnding_ = QStringLiteral("\r\n");
};

struct DecodedProgram {
    QString text;
    ProgramEncoding encoding;
};

}  // namespace tarvo::app
