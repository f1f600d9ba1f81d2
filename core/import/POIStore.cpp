#include "core/import/POIStore.h"

#include "core/text/Translation.h"

#include <stdexcept>

namespace marklode {

POIView::POIView(const POI& poi)
    : latitude(poi.latitude), longitude(poi.longitude), name(poi.name),
      comment(poi.comment ? std::optional<std::string_view>(*poi.comment) : std::nullopt),
      speedKmh(poi.speedKmh), proximityMeters(poi.proximityMeters), details(poi.details.get()) {}

const POIDetails& POIView::more() const {
    static const POIDetails noDetails;
    return details ? *details : noDetails;
}

POI POIView::toPOI() const {
    POI poi{latitude,          longitude,
            std::string(name), comment ? std::optional<std::string>(*comment) : std::nullopt,
            speedKmh,          proximityMeters};
    if (details)
        poi.setDetails(*details);
    return poi;
}

bool POIView::operator==(const POIView& other) const {
    return latitude == other.latitude && longitude == other.longitude && name == other.name &&
           comment == other.comment && speedKmh == other.speedKmh &&
           proximityMeters == other.proximityMeters &&
           (details == other.details || more() == other.more());
}

POIStore::POIStore(std::initializer_list<POI> pois) {
    reserve(pois.size());
    for (const POI& poi : pois)
        push_back(poi);
}

POIStore::POIStore(const std::vector<POI>& pois) {
    reserve(pois.size());
    for (const POI& poi : pois)
        push_back(poi);
}

void POIStore::reserve(std::size_t pois, std::size_t textBytes) {
    records_.reserve(pois);
    texts_.reserve(textBytes);
}

void POIStore::clear() {
    records_.clear();
    texts_.clear();
    alerts_.clear();
    details_.clear();
}

void POIStore::shrinkToFit() {
    records_.shrink_to_fit();
    texts_.shrink_to_fit();
    alerts_.shrink_to_fit();
    details_.shrink_to_fit();
}

std::uint32_t POIStore::addText(std::string_view text) {
    if (text.size() >= none)
        throw std::length_error(translate("POIStore", "A POI's text is longer than 4 GiB."));
    texts_.append(text);
    return static_cast<std::uint32_t>(text.size());
}

std::uint32_t POIStore::detailsIndex(const POIDetails& details) {
    if (details.isEmpty())
        return none;
    if (details_.empty() || !(details_.back() == details)) {
        if (details_.size() >= none)
            throw std::length_error(translate("POIStore", "Too many POIs with details."));
        details_.push_back(details);
    }
    return static_cast<std::uint32_t>(details_.size() - 1);
}

void POIStore::add(double latitude, double longitude, std::string_view name,
                   std::optional<std::string_view> comment, std::optional<double> speedKmh,
                   std::optional<double> proximityMeters, const POIDetails* details) {
    Record record{latitude, longitude, texts_.size(), 0, none, none, none};
    record.nameSize = addText(name);
    if (comment)
        record.commentSize = addText(*comment);
    if (speedKmh || proximityMeters) {
        record.alerts = static_cast<std::uint32_t>(alerts_.size());
        alerts_.push_back({speedKmh, proximityMeters});
    }
    if (details)
        record.details = detailsIndex(*details);
    records_.push_back(record);
}

void POIStore::push_back(const POIView& poi) {
    add(poi.latitude, poi.longitude, poi.name, poi.comment, poi.speedKmh, poi.proximityMeters,
        poi.details);
}

POIView POIStore::at(std::size_t index) const {
    if (index >= size())
        throw std::out_of_range("No POI at this position.");
    return (*this)[index];
}

POIView POIStore::operator[](std::size_t index) const {
    const Record& record = records_[index];
    POIView view;
    view.latitude = record.latitude;
    view.longitude = record.longitude;
    view.name = {texts_.data() + record.textOffset, record.nameSize};
    if (record.commentSize != none)
        view.comment.emplace(texts_.data() + record.textOffset + record.nameSize,
                             record.commentSize);
    if (record.alerts != none) {
        view.speedKmh = alerts_[record.alerts].speedKmh;
        view.proximityMeters = alerts_[record.alerts].proximityMeters;
    }
    if (record.details != none)
        view.details = &details_[record.details];
    return view;
}

void POIStore::setProximity(std::size_t index, std::optional<double> proximityMeters) {
    Record& record = records_[index];
    if (record.alerts == none) {
        if (!proximityMeters)
            return;
        if (alerts_.size() >= none)
            throw std::length_error(translate("POIStore", "Too many POIs with alerts."));
        record.alerts = static_cast<std::uint32_t>(alerts_.size());
        alerts_.push_back({});
    }
    alerts_[record.alerts].proximityMeters = proximityMeters;
}

void POIStore::setDetails(std::size_t index, const POIDetails& details) {
    records_[index].details = detailsIndex(details);
}

bool POIStore::operator==(const POIStore& other) const {
    if (size() != other.size())
        return false;
    for (std::size_t i = 0; i < size(); ++i)
        if (!((*this)[i] == other[i]))
            return false;
    return true;
}

bool POIStore::operator==(const std::vector<POI>& pois) const {
    if (size() != pois.size())
        return false;
    for (std::size_t i = 0; i < size(); ++i)
        if (!((*this)[i] == POIView(pois[i])))
            return false;
    return true;
}

} // namespace marklode
