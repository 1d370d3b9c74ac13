#include "reports/print_layout.h"

#include "reports/format.h"
#include "resources/string_table.h"

#include <cstdio>
#include <cstring>

namespace {

bool IsPageBreakLine(const char* line) {
    return std::strcmp(line, kPageBreakLine) == 0;
}

} // namespace

bool PageHoldsALine(int lineHeight, int pageHeight) {
    return lineHeight > 0 && (kPrintTopMarginLines + 1) * static_cast<long long>(lineHeight) <
                                 static_cast<long long>(pageHeight);
}

ReportPage LayoutReportPage(const ReportBuffer& buffer, int first, int lineHeight, int pageHeight) {
    ReportPage page;
    page.firstLine = first;
    int line = first;
    int y = kPrintTopMarginLines * lineHeight;
    while (line < buffer.lineCount) {
        if (IsPageBreakLine(buffer.Line(line))) {
            ++line;
            break;
        }
        if (y + lineHeight >= pageHeight) {
            break;
        }
        page.lines.push_back({line, y});
        ++line;
        y += lineHeight;
    }
    page.nextLine = line;
    return page;
}

std::vector<ReportPage> LayoutReportDocument(const ReportBuffer& buffer, int copies, int lineHeight,
                                             int pageHeight) {
    std::vector<ReportPage> document;
    if (!PageHoldsALine(lineHeight, pageHeight)) {
        return document;
    }
    std::vector<ReportPage> pages;
    for (int line = 0; line < buffer.lineCount;) {
        pages.push_back(LayoutReportPage(buffer, line, lineHeight, pageHeight));
        line = pages.back().nextLine;
    }
    for (int copy = 0; copy < copies; ++copy) {
        document.insert(document.end(), pages.begin(), pages.end());
    }
    return document;
}

std::string PrintedLineText(const char* line) {
    char letter[kReportSlot];
    LoadText(IDS_DEGREES_LETTER, letter, sizeof letter);
    std::string text(line);
    for (char& c : text) {
        if (c == kDegreeSign) {
            c = letter[0];
        }
    }
    return text;
}

void FormatPrintProgress(int index, int lineCount, char* out) {
    const double percent = lineCount > 0 ? static_cast<double>(index) / lineCount * 100 : 100;
    char number[kFormatSize];
    FormatFixed(percent, 3, 2, number);
    char format[kReportSlot];
    LoadText(IDS_PRINT_PROGRESS, format, sizeof format);
    std::snprintf(out, kReportSlot, format, number);
}

PrintSize ScalePictureToPage(int w, int h, int pageWidth, int pageHeight) {
    PrintSize size;
    if (w <= 0 || h <= 0 || pageWidth <= 0 || pageHeight <= 0) {
        return size;
    }
    const double sx = static_cast<double>(pageWidth) / w;
    const double sy = static_cast<double>(pageHeight) / h;
    const double scale = sx < sy ? sx : sy;
    size.width = static_cast<int>(w * scale);
    size.height = static_cast<int>(h * scale);
    return size;
}

int MonoRowBytes(int w) {
    return (w + 15) / 16 * 2;
}

std::vector<unsigned char> MonochromePicture(const std::vector<unsigned>& pixels, int w, int h,
                                             unsigned background) {
    const int stride = MonoRowBytes(w);
    std::vector<unsigned char> bits(static_cast<size_t>(stride) * (h > 0 ? h : 0), 0);
    if (w <= 0 || h <= 0 || pixels.size() < static_cast<size_t>(w) * h) {
        return bits;
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (((pixels[static_cast<size_t>(y) * w + x] ^ background) & 0xFFFFFF) == 0) {
                bits[static_cast<size_t>(y) * stride + x / 8] |=
                    static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
    }
    return bits;
}

std::vector<PrintRect> BlackRectangles(const std::vector<unsigned char>& bits, int w, int h, int tw,
                                       int th) {
    std::vector<PrintRect> rects;
    const int stride = MonoRowBytes(w);
    if (w <= 0 || h <= 0 || bits.size() < static_cast<size_t>(stride) * h) {
        return rects;
    }
    auto black = [&](int x, int y) {
        const unsigned char byte = bits[static_cast<size_t>(y) * stride + x / 8];
        return (byte & (0x80 >> (x % 8))) == 0;
    };
    auto scaled = [](int v, int target, int source) {
        return static_cast<int>(static_cast<long long>(v) * target / source);
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w;) {
            if (!black(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w && black(x, y)) {
                ++x;
            }
            rects.push_back(
                {scaled(start, tw, w), scaled(y, th, h), scaled(x, tw, w), scaled(y + 1, th, h)});
        }
    }
    return rects;
}
