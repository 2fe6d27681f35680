#include "store/Category.h"

#include "zadad/Archive.h"

void CCategory::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(m_nID) << m_strName;
    } else {
        std::int32_t id = 0;
        ar >> id >> m_strName;
        m_nID = id;
    }
}
