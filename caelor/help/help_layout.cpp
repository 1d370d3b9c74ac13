#include "help/help_layout.h"

#include "help/help_text.h"

#include <algorithm>

namespace {

// A piece of text in one style; spaceBefore when a blank separates it from
// the piece before, which is where a line may break.
struct Piece {
    std::string text;
    HelpStyle style;
    int link;
    bool spaceBefore;
};

std::vector<Piece> Pieces(const std::vector<HelpSpan>& spans, HelpStyle plain,
                          std::vector<std::string>& links) {
    std::vector<Piece> pieces;
    bool space = false;
    for (const HelpSpan& span : spans) {
        int link = -1;
        HelpStyle style = plain;
        if (!span.link.empty()) {
            link = static_cast<int>(links.size());
            links.push_back(span.link);
            style = HelpStyle::Link;
        }
        std::string word;
        for (char c : span.text) {
            if (c != ' ') {
                word += c;
                continue;
            }
            if (!word.empty()) {
                pieces.push_back(Piece{word, style, link, space});
                word.clear();
            }
            space = true;
        }
        if (!word.empty()) {
            pieces.push_back(Piece{word, style, link, space});
            space = false;
        }
    }
    return pieces;
}

class Flow {
  public:
    Flow(HelpPage& page, const HelpMetrics& metrics, int left, int right, int y)
        : page_(page), metrics_(metrics), left_(left), right_(right), x_(left), y_(y) {}

    // Places the pieces, breaking lines only at blanks.
    void Add(const std::vector<Piece>& pieces) {
        for (size_t i = 0; i < pieces.size();) {
            size_t end = i + 1;
            while (end < pieces.size() && !pieces[end].spaceBefore) {
                ++end;
            }
            int width = 0;
            for (size_t k = i; k < end; ++k) {
                width += metrics_.TextWidth(pieces[k].style, pieces[k].text);
            }
            const int space = metrics_.TextWidth(HelpStyle::Text, " ");
            if (x_ > left_ && x_ + space + width > right_) {
                NewLine();
            }
            for (size_t k = i; k < end; ++k) {
                Place(pieces[k], k == i && x_ > left_ ? space : 0);
            }
            i = end;
        }
    }

    // The y below the last line.
    int End() {
        if (x_ > left_ || lineHeight_ > 0) {
            NewLine();
        }
        return y_;
    }

  private:
    void NewLine() {
        y_ += lineHeight_ > 0 ? lineHeight_ : metrics_.LineHeight(HelpStyle::Text);
        x_ = left_;
        lineHeight_ = 0;
    }

    // Each word is a run of its own at the place its measure gives: the
    // width of a long string drawn at once need not be the sum of its
    // words' widths, and a link after it would then be drawn over it.
    void Place(const Piece& piece, int space) {
        const int height = metrics_.LineHeight(piece.style);
        HelpRun run;
        run.x = x_ + space;
        run.y = y_;
        run.w = metrics_.TextWidth(piece.style, piece.text);
        run.h = height;
        run.style = piece.style;
        run.text = piece.text;
        run.link = piece.link;
        page_.runs.push_back(run);
        x_ = run.x + run.w;
        lineHeight_ = std::max(lineHeight_, height);
    }

    HelpPage& page_;
    const HelpMetrics& metrics_;
    int left_;
    int right_;
    int x_;
    int y_;
    int lineHeight_ = 0;
};

} // namespace

int HelpPageMargin(const HelpMetrics& metrics) {
    return metrics.LineHeight(HelpStyle::Text) / 2 + 2;
}

HelpPage LayoutHelpTopic(const HelpBook& book, const HelpTopic& topic, int width,
                         const HelpMetrics& metrics) {
    HelpPage page;
    const int margin = HelpPageMargin(metrics);
    const int left = margin;
    const int right = std::max(width - margin, left + 1);
    const int gap = metrics.LineHeight(HelpStyle::Text) / 2;
    int y = margin;
    auto flow = [&](const std::vector<Piece>& pieces) {
        Flow lines(page, metrics, left, right, y);
        lines.Add(pieces);
        y = lines.End();
    };

    flow(Pieces({HelpSpan{topic.title, "", 0}}, HelpStyle::Title, page.links));
    for (const HelpBlock& block : topic.blocks) {
        y += gap;
        if (block.kind == HelpBlockKind::Preformatted) {
            for (const std::string& line : block.lines) {
                HelpRun run;
                run.x = left;
                run.y = y;
                run.w = metrics.TextWidth(HelpStyle::Fixed, line);
                run.h = metrics.LineHeight(HelpStyle::Fixed);
                run.style = HelpStyle::Fixed;
                run.text = line;
                page.runs.push_back(run);
                y += run.h;
            }
        } else {
            if (block.kind == HelpBlockKind::Heading) {
                y += gap;
            }
            flow(Pieces(block.spans,
                        block.kind == HelpBlockKind::Heading ? HelpStyle::Heading : HelpStyle::Text,
                        page.links));
        }
    }
    std::vector<HelpSpan> see = HelpSeeAlsoSpans(book, topic);
    if (!see.empty()) {
        y += gap;
        std::vector<Piece> pieces =
            Pieces({HelpSpan{"See also:", "", 0}}, HelpStyle::Heading, page.links);
        std::vector<Piece> targets = Pieces(see, HelpStyle::Text, page.links);
        if (!targets.empty()) {
            targets.front().spaceBefore = true;
        }
        pieces.insert(pieces.end(), targets.begin(), targets.end());
        flow(pieces);
    }
    page.height = y + margin;
    return page;
}

int HelpLinkAt(const HelpPage& page, int x, int y) {
    for (const HelpRun& run : page.runs) {
        if (run.link >= 0 && x >= run.x && x < run.x + run.w && y >= run.y && y < run.y + run.h) {
            return run.link;
        }
    }
    return -1;
}
