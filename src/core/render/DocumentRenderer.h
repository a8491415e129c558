#pragma once
// The one entry point that draws a document, for the main window's preview,
// its print command, the calibration editor and the command-line tool.
namespace krevol {

class Session;

enum class RenderResult {
    Drawn,        // the page pictures (and in preview mode the preview images) are done
    NotAvailable, // no renderer draws this document type yet; nothing was touched
    Failed,       // reported (the calibration file could not be read)
};

// Whether a renderer exists for document `catalogueIndex` (0 to 9).
bool canRenderDocument(int catalogueIndex);

// Draws document `catalogueIndex` of the session's current contents in
// `renderMode` (0: preview onto the session's preview images, 1: print, the
// page pictures kept in session.pages for the print job).
RenderResult renderDocument(Session &session, int catalogueIndex, int renderMode);

} // namespace krevol
