#include "desktop/drawing/TextEntityReader.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/cad/dxf/DxfText.h"
#include "engine/cad/dxf/DxfTokenizer.h"
#include "engine/text/NumberText.h"

namespace desktop {

using engine::dxf::DrawingContent;
using engine::dxf::DrawingEntity;

namespace {

double Number(std::string_view v, double fallback) {
    return double(engine::ParseNumber(v).value_or(fallback));
}

// Control characters are written in caret notation: "^J" is a line break, "^I" a
// tab, "^ " a caret.
QString DecodeCarets(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '^' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const QChar c = text[++i];
        if (c == ' ') out += '^';
        else if (c == 'J') out += '\n';
        else if (c == 'I') out += ' ';
        // other control characters have nothing to show
    }
    return out;
}

}  // namespace

QString TextEntityReader::PlainText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && text[i + 1] == '%') {
            const QChar c = text[i + 2].toLower();
            if (c == 'd') out += QChar(0x00b0);
            else if (c == 'c') out += QChar(0x2300);
            else if (c == 'p') out += QChar(0x00b1);
            else if (c == '%') out += '%';
            else if (c != 'u' && c != 'o') out += text.mid(i, 3);
            i += 2;
            continue;
        }
        out += text[i];
    }
    return out;
}

QString TextEntityReader::PlainMText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '{' || c == '}') continue;
        if (c != '\\' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar k = text[++i];
        if (k == 'P' || k == 'X') {
            out += '\n';
        } else if (k == '\\' || k == '{' || k == '}') {
            out += k;
        } else if (k == '~') {
            out += ' ';
        } else if (QString("fFHhWwQqTtAaCcp").contains(k)) {
            // A code with an argument up to the next ';'.
            const qsizetype end = text.indexOf(';', i);
            if (end < 0) break;
            i = end;
        } else if (k == 'S') {
            // A stacked fraction "\Sa^b;": shown as a/b.
            const qsizetype end = text.indexOf(';', i);
            QString stacked = text.mid(i + 1, (end < 0 ? text.size() : end) - i - 1);
            stacked.replace('^', '/').replace('#', '/');
            out += stacked;
            if (end < 0) break;
            i = end;
        }
        // Other one-letter codes (\L \l \O \o \K \k underline and the like) go.
    }
    return out;
}

std::optional<SceneText> TextEntityReader::Read(const DrawingContent& drawing, const DrawingEntity& e) {
    const bool mtext = e.type == "MTEXT";
    if ((e.type != "TEXT" && !mtext) || !e.raw.Valid() || e.raw.end > drawing.bytes.size() ||
        e.raw.end <= e.raw.begin)
        return std::nullopt;
    std::string_view bytes(drawing.bytes);
    const std::size_t end = e.mainEnd != engine::dxf::kNoOffset ? std::min(e.mainEnd, e.raw.end) : e.raw.end;
    engine::dxf::DxfTokenizer tokens(bytes.substr(e.raw.begin, end - e.raw.begin), drawing.fileName);

    SceneText t;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0, dirX = 0, dirY = 0;
    bool hasSecond = false;
    int h72 = 0, v73 = 0, attach = 1;
    std::string body, tail;
    engine::dxf::DxfPair p;
    bool first = true;
    try {
        while (tokens.Next(p)) {
            if (first) {  // the "0 TEXT" pair itself
                first = false;
                continue;
            }
            if (p.code == 0 || p.code == 1001) break;  // extended data or the next record
            switch (p.code) {
                case 1: tail = std::string(p.value); break;
                case 3: body += p.value; break;
                case 10: x1 = Number(p.value, 0); break;
                case 20: y1 = Number(p.value, 0); break;
                case 11: x2 = Number(p.value, 0); hasSecond = true; break;
                case 21: y2 = Number(p.value, 0); break;
                case 40: t.height = Number(p.value, 1); break;
                case 50: t.rotation = Number(p.value, 0); break;
                case 71: attach = int(Number(p.value, 1)); break;
                case 72: h72 = int(Number(p.value, 0)); break;
                case 73: v73 = int(Number(p.value, 0)); break;
                default: break;
            }
        }
    } catch (const engine::EngineError&) {
        return std::nullopt;  // bytes the reader accepted; nothing to show if not
    }
    const QString raw =
        DecodeCarets(QString::fromStdString(engine::dxf::DecodeDxfText(body + tail, drawing.encoding)));
    if (mtext) {
        t.text = PlainMText(raw);
        t.x = x1;
        t.y = y1;
        // Attachment 1-9: top, middle, bottom rows of left, centre, right.
        attach = std::clamp(attach, 1, 9);
        t.hAlign = (attach - 1) % 3;
        t.vAlign = 3 - (attach - 1) / 3;
        if (hasSecond) {
            dirX = x2;
            dirY = y2;
            if (dirX != 0 || dirY != 0) t.rotation = std::atan2(dirY, dirX) * 180 / std::numbers::pi;
        }
    } else {
        t.text = PlainText(raw);
        // Left on the baseline the text stands at its first point; otherwise at its
        // second. Aligned and fitted texts (3, 5) run from the first point.
        const bool second = hasSecond && (h72 != 0 || v73 != 0) && h72 != 3 && h72 != 5;
        t.x = second ? x2 : x1;
        t.y = second ? y2 : y1;
        if (h72 == 4) {
            t.hAlign = 1;
            t.vAlign = 2;
        } else {
            t.hAlign = (h72 == 1 || h72 == 2) ? h72 : 0;
            t.vAlign = std::clamp(v73, 0, 3);
        }
    }
    if (t.text.trimmed().isEmpty() || !(t.height > 0)) return std::nullopt;
    return t;
}

}  // namespace desktop
