#include "app/AboutText.h"

std::string AboutHtml()
{
    std::string html = kAboutVersionLine;
    html += "<br><b>Leanlog is free to you, courtesy of Harborline Lending.</b><br>"
            "Our sponsor pays for the program so that you do not have to.<br>"
            "To learn what Harborline Lending offers, open the <b>Sponsor</b> tab of the main window.<br></center>";
    html += "<p><small>Harborline Lending's offers are made by Harborline Lending alone and are subject to its "
            "own terms, conditions and approval. Rates and terms may change without notice. Leanlog and Pellaware "
            "do not give financial advice, receive no information about you from the sponsor, and pass no "
            "information about you to the sponsor.</small></p></font>";
    return html;
}
