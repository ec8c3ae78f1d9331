#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
std::string Colour(ColorRef c) {
    std::ostringstream out;
    out << int{c.red} << ',' << int{c.green} << ',' << int{c.blue};
    return out.str();
}
const char* OpName(RasterOp op) {
    switch (op) {
        case RasterOp::Copy:
            return "copy";
        case RasterOp::DestInvert:
            return "invert";
        case RasterOp::MergePaint:
            return "merge";
    }
    return "?";
}
}  // namespace

void RecordingSurface::BitBlt(int x, int y, int cx, int cy, int bitmapId, RasterOp op) {
    if (!keepLog) {
        return;
    }
    std::ostringstream out;
    out << "blt " << bitmapId << ' ' << x << ',' << y << ' ' << cx << 'x' << cy << ' '
        << OpName(op);
    calls.push_back(out.str());
}

void RecordingSurface::FillRect(const Rect& r, ColorRef colour) {
    if (!keepLog) {
        return;
    }
    std::ostringstream out;
    out << "fill " << r.left << ',' << r.top << '-' << r.right << ',' << r.bottom << ' '
        << Colour(colour);
    calls.push_back(out.str());
}

void RecordingSurface::Line(int x0, int y0, int x1, int y1, ColorRef pen, PenMode mode) {
    if (!keepLog) {
        return;
    }
    std::ostringstream out;
    out << "line " << x0 << ',' << y0 << '-' << x1 << ',' << y1 << ' ' << Colour(pen) << ' '
        << (mode == PenMode::Copy ? "copy" : "notcopy");
    calls.push_back(out.str());
}

void RecordingSurface::TextOut(int x, int y, const std::string& text) {
    if (!keepLog) {
        return;
    }
    std::ostringstream out;
    out << "text " << x << ',' << y << ' ' << text;
    calls.push_back(out.str());
}

void FakeWindow::MessageBox(const std::string& text, const std::string& caption) {
    messages.emplace_back(text, caption);
    if (duringMessageBox) {
        duringMessageBox();
    }
}

bool FakeWindow::ChooseColor(ColorRef initial, ColorRef& chosen) {
    return chooseColor && chooseColor(initial, chosen);
}

void ScriptedDialogs::Unexpected(const std::string& name) {
    ADD_FAILURE() << "unexpected dialog " << name;
}

int MemoryProfile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) {
    reads.push_back(std::string(section) + "/" + std::string(key));
    const auto it = values.find({std::string(section), std::string(key)});
    return it == values.end() ? defaultValue : std::stoi(it->second);
}

std::string MemoryProfile::GetProfileString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) {
    reads.push_back(std::string(section) + "/" + std::string(key));
    const auto it = values.find({std::string(section), std::string(key)});
    return it == values.end() ? std::string(defaultValue) : it->second;
}

bool MemoryProfile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return WriteProfileString(section, key, std::to_string(value));
}

bool MemoryProfile::WriteProfileString(std::string_view section, std::string_view key,
                                       std::string_view value) {
    values[{std::string(section), std::string(key)}] = std::string(value);
    writes.push_back(std::string(section) + "/" + std::string(key) + "=" + std::string(value));
    return true;
}

void FakeTable::ClearTable() {
    CSolView& v = *view;
    for (auto& column : v.m_Cards) {
        for (Card& card : column) {
            card = Card{};
        }
    }
    for (int& top : v.m_nTop) {
        top = -1;
    }
    for (int& used : v.m_bCellUsed) {
        used = 0;
    }
    v.m_bPlaying = 1;
    v.m_bNoGameYet = 0;
    v.m_nSelected = kNothingSelected;
}

void FakeTable::Column(int k, const std::vector<Card>& cards) {
    for (std::size_t i = 0; i < cards.size(); ++i) {
        view->m_Cards[k][i] = cards[i];
    }
    view->m_nTop[k] = static_cast<int>(cards.size()) - 1;
}
