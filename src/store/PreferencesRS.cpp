#include "store/PreferencesRS.h"

void CPreferencesRS::DoFieldExchange(CFieldExchange& fx)
{
    fx.Long("ID", m_ID);
    fx.Long("PalmID", m_PalmID);
    fx.Long("wAttribs", m_wAttribs);
    fx.Text("DietFilename", m_DietFilename);
    fx.Long("GoalWeight", m_GoalWeight);
}

void CPreferencesRS::ResetFields()
{
    m_ID = m_PalmID = m_wAttribs = m_GoalWeight = 0;
    m_DietFilename.clear();
}
