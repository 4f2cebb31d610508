#include "app/MarketingText.h"

std::string PellawareHtml()
{
    // Three pieces, as the page's text has always been kept.
    std::string html =
        "<font face=Arial><h3>All about Pellaware</h3>"
        "<p>Pellaware writes small programs that help with everyday things, and gives them away.</p>";
    html += "<p>How can a program be free? Through sponsored distribution: a sponsor pays for the program's "
            "development and its updates, and in return the program carries the sponsor's banner and a page "
            "about the sponsor. You never pay, and you never have to register.</p>";
    html += "<p>The banner bar at the top of the window shows the sponsor's messages when you are online. "
            "Nothing you enter in Leanlog ever leaves your computer through it.</p></font>";
    return html;
}

std::string SponsorHtml()
{
    return "<font face=Arial><h3>All about Harborline Lending</h3>"
           "<p>Harborline Lending is the sponsor that makes Leanlog free for you.</p>"
           "<p>Harborline Lending offers personal loans and home financing with clear terms, plain-language "
           "statements and no fees for paying early.</p>"
           "<p>Every offer is subject to Harborline Lending's own terms and approval. Leanlog and Pellaware give "
           "no financial advice.</p></font>";
}
