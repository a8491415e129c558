#pragma once
// The two page surfaces the renderers draw on: page pictures that record the
// drawing of one pass and are later replayed, stretched, into the preview
// images or onto the printer's pages. Page units: 885 x 1314 for a portrait
// page, 1314 x 885 for a landscape one, 96 units per inch for fonts.
#include <QPainter>
#include <QPicture>
#include <QSize>
#include <array>

namespace krevol {

inline constexpr QSize kPortraitPageSize{885, 1314};
inline constexpr QSize kLandscapePageSize{1314, 885};
inline constexpr int kPageCount = 2;

class PageSurfaces
{
public:
    // vFunUtworzStrony: the two pictures live as long as their owner and are
    // reused by every pass.
    PageSurfaces() = default;
    PageSurfaces(const PageSurfaces &) = delete;
    PageSurfaces &operator=(const PageSurfaces &) = delete;

    // Empties both pictures, sizes them (portraitFlag 1: portrait, 0:
    // landscape) and opens a canvas on each with a clear brush.
    void vFunRozpocznijStrony(int portraitFlag);
    // Completes both pictures; they stay valid until the next pass starts.
    void closeCanvases();
    bool canvasesOpen() const { return m_canvases[0].isActive() || m_canvases[1].isActive(); }

    // page: 0 for page 1, 1 for page 2.
    QPainter &canvas(int page) { return m_canvases.at(page); }
    const QPicture &picture(int page) const { return m_pictures.at(page); }
    bool portrait() const { return m_portrait; }
    QSize pageSize() const { return m_portrait ? kPortraitPageSize : kLandscapePageSize; }

private:
    // Pictures first: the canvases recording into them are destroyed before them.
    std::array<QPicture, kPageCount> m_pictures;
    std::array<QPainter, kPageCount> m_canvases;
    bool m_portrait = true;
};

} // namespace krevol
