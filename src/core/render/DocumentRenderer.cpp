#include "DocumentRenderer.h"

#include "CertificateRenderer.h"
#include "Session.h"

namespace krevol {

bool canRenderDocument(int catalogueIndex)
{
    if (catalogueIndex < 0 || catalogueIndex >= int(documentCatalogue().size()))
        return false;
    return documentDefinition(catalogueIndex).family == DocumentFamily::Certificate;
}

RenderResult renderDocument(Session &session, int catalogueIndex, int renderMode)
{
    if (!canRenderDocument(catalogueIndex))
        return RenderResult::NotAvailable;
    return vFunRysujSwiadectwo(session, catalogueIndex, renderMode) ? RenderResult::Drawn
                                                                     : RenderResult::Failed;
}

} // namespace krevol
