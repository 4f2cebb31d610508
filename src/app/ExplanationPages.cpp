#include "app/ExplanationPages.h"

#include <array>
#include <string_view>

namespace {

// Kept as separate pieces, one per paragraph, so a paragraph can be
// reworded without touching the others.

constexpr std::array<std::string_view, 16> kHowItWorks = {
    "<font face=Arial><h3 align=center>How Leanlog Works</h3>",
    "<p>Leanlog follows a fixed calendar. Every diet starts on the day you choose in the New Diet dialog, and "
    "each day after it has its place in the programme.</p>",
    "<h4>Getting ready: three protein days</h4>",
    "<p>The first three days are protein days. On a protein day you eat protein foods only, which readies your "
    "body for stage 1.</p>",
    "<h4>Stage 1: five weeks</h4>",
    "<p>For five weeks you keep your carbohydrates low at every meal. Leanlog shows which meal slots belong to "
    "each day, and the Carb Info tab tells you the carbohydrates of common foods.</p>",
    "<h4>Stage 2: two weeks</h4>",
    "<p>For two more weeks you widen your meals step by step while you keep watching your weight.</p>",
    "<h4>After stage 2</h4>",
    "<p>From then on you hold the weight you reached. Leanlog keeps counting your days and keeps warning you "
    "when the weight starts to climb.</p>",
    "<h4>Every day</h4>",
    "<p>Weigh yourself in the morning and press the first button on the Main tab to enter the day: your weight, "
    "your steps, the supplements taken at each meal and what you ate.</p>",
    "<p>Then open the <b>Status</b> tab. It tells you whether today must be a protein day and how your diet is "
    "going so far.</p>",
    "<p>The <b>Summary</b> tab sums up your results, and the <b>Graph</b> tab draws your weight day by day with "
    "the stages marked on the day axis.</p>",
    "<p>If you miss more than three days, Leanlog asks you to fill them in or to start the diet over: the "
    "programme only works when every day is recorded.</p>",
    "</font>",
};

constexpr std::array<std::string_view, 8> kAboutLosingWeight = {
    "<font face=Arial><h3 align=center>About Losing Weight</h3>",
    "<p>Losing weight is not about willpower alone. It is about a plan you can follow one day at a time, and "
    "about seeing what each day brings.</p>",
    "<p>That is what Leanlog is for. It turns a proven low-carbohydrate programme into a simple daily habit: "
    "weigh, record, read your instruction, and carry on.</p>",
    "<p>Because every meal is written down, you learn which foods help you and which hold you back. Because "
    "every weight is drawn on the graph, a slow week never hides a good month.</p>",
    "<p>Protein days, short and planned, keep your progress moving when it slows. Leanlog tells you when one "
    "is due, so you never have to guess.</p>",
    "<p>Stay with the calendar, enter every day, and let the Status and Summary tabs keep you on course.</p>",
    "<p>Talk to your doctor before you start any diet, and again if anything about your health changes while "
    "you follow it.</p>",
    "</font>",
};

template <size_t N>
std::string Join(const std::array<std::string_view, N>& pieces)
{
    std::string html;
    for (const auto piece : pieces)
        html += piece;
    return html;
}

} // namespace

std::string HowItWorksHtml()
{
    return Join(kHowItWorks);
}

std::string AboutLosingWeightHtml()
{
    return Join(kAboutLosingWeight);
}
