#include "support/GPIRecordTrees.h"

#include "core/gpi/AreaSplit.h"
#include "core/gpi/GPIWriter.h"

#include <vector>

namespace marklode::gpirecords {

GPIRecord waypointRecord(const POIView& poi, const TextStyle& style) {
    GPIRecord record{.type = waypoint};
    appendWaypointMain(record.main, poi, style, checkedTextLength(poi.name, style.encoding));
    if (poi.hasAlert()) {
        GPIRecord alertRecord{.type = alert};
        appendAlertMain(alertRecord.main, poi);
        record.children.push_back(std::move(alertRecord));
    }
    if (hasCommentRecord(poi)) {
        GPIRecord commentRecord{.type = comment};
        commentRecord.main.appendLocalizedText(*poi.comment, style.encoding, style.language,
                                               checkedTextLength(*poi.comment, style.encoding));
        record.children.push_back(std::move(commentRecord));
    }
    return record;
}

GPIRecord areaRecord(std::span<const POIView> pois, const TextStyle& style) {
    GPIRecord record{.type = area, .forceExtended = true};
    AreaBounds bounds;
    for (const POIView& poi : pois) {
        bounds.add(poi);
        record.children.push_back(waypointRecord(poi, style));
    }
    appendAreaMain(record.main, bounds);
    return record;
}

GPIRecord categoryRecord(std::string_view trimmedName, const POIStore& pois, const GPIIcon& icon,
                         std::uint16_t bitmapId, const TextStyle& style) {
    GPIRecord record{.type = category, .forceExtended = true};
    record.main.appendLocalizedText(trimmedName, style.encoding, style.language,
                                    checkedTextLength(trimmedName, style.encoding));
    AreaSplit split = splitIntoAreas(pois, GPIWriter::maxWaypointsPerArea);
    std::uint32_t begin = 0;
    for (std::uint32_t end : split.areaEnds) {
        std::vector<POIView> members;
        for (std::uint32_t k = begin; k < end; ++k)
            members.push_back(pois[split.members[k].index]);
        record.inlineRecords.push_back(areaRecord(members, style));
        begin = end;
    }
    record.children.push_back(bitmapRecord(icon, bitmapId));
    checkCategoryLength(trimmedName, record.totalLength());
    return record;
}

} // namespace marklode::gpirecords
