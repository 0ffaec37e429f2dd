#include "app/files/ProgramEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tarvo::app {

namespace {

constexpr char gb18030[] = "GB18030";
constexpr QStringConverter::Flags wholeFile = QStringConverter::Flag::Stateless;

// Stateless, so that a character cut off at the end of the file counts as
// an error instead of waiting for bytes that never come. A converter the
// platform lacks (GB18030 without ICU) decodes nothing.
std::optional<QString> decodeWhole(QStringDecoder decoder, const QByteArray& bytes) {
    if (!decoder.isValid()) return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

struct LineEndings {
    qsizetype crlf = 0, cr = 0, lf = 0;
};

// Turns every line ending into "\n" in place, counting each kind, in one
// pass: a megabyte program opens without copying its text again.
LineEndings unifyLineEndings(QString& text) {
    LineEndings found;
    QChar* const start = text.data();
    QChar* out = start;
    const QChar* in = start;
    const QChar* const end = start + text.size();
    while (in != end) {
        const QChar c = *in++;
        if (c == u'\r' && in != end && *in == u'\n') {
            ++in;
            ++found.crlf;
        } else if (c == u'\r') {
            ++found.cr;
        } else if (c == u'\n') {
            ++found.lf;
        }
        *out++ = c == u'\r' ? QChar(u'\n') : c;
    }
    text.truncate(out - start);
    return found;
}

// The ending most lines of the file use; files without line breaks, and
// ties, get CR LF, the ending of the machine's own editor.
QString dominantLineEnding(const LineEndings& found) {
    const auto [crlf, cr, lf] = found;
    if (lf > crlf && lf >= cr) return QStringLiteral("\n");
    if (cr > crlf && cr > lf) return QStringLiteral("\r");
    return QStringLiteral("\r\n");
}

}  // namespace

std::optional<DecodedProgram> ProgramEncoding::decode(const QByteArray& bytes) {
    // The UTF-8 decoder drops one leading byte-order mark; remember it so
    // that the file keeps it.
    ProgramEncoding encoding;
    std::optional<QString> text =
        decodeWhole(QStringDecoder(QStringConverter::Utf8, wholeFile), bytes);
    if (text) {
        encoding.byteOrderMark_ = bytes.startsWith("\xEF\xBB\xBF");
    } else {
        text = decodeWhole(QStringDecoder(gb18030, wholeFile), bytes);
        encoding.charset_ = Charset::Gb18030;
    }
    if (!text) return std::nullopt;
    encoding.lineEnding_ = dominantLineEnding(unifyLineEndings(*text));
    return DecodedProgram{*text, encoding};
}

std::optional<QByteArray> ProgramEncoding::encode(const QString& text) const {
    // Both character sets hold every Unicode character, so only broken
    // UTF-16 cannot be written; the encoders would drop it without a word.
    if (!text.isValidUtf16()) return std::nullopt;
    QStringEncoder encoder = charset_ == Charset::Gb18030
                                 ? QStringEncoder(gb18030)
                                 : QStringEncoder(QStringConverter::Utf8,
                                                  byteOrderMark_ ? QStringConverter::Flag::WriteBom
                                                                 : QStringConverter::Flag::Default);
    return QByteArray(encoder.encode(withLineEndings(text)));
}

QString ProgramEncoding::withLineEndings(const QString& text) const {
    return QString(text).replace(u'\n', lineEnding_);
}

}  // namespace tarvo::app
