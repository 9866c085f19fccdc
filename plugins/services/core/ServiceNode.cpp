#include "plugins/services/core/ServiceNode.h"

#include <algorithm>
#include <unordered_map>

namespace sentrel {

std::size_t ServiceList::ActiveCount() const {
    return static_cast<std::size_t>(
        std::count_if(records_.begin(), records_.end(), [](const ServicePtr& record) {
            return record->state != StateStopped && record->state != StateStartPending;
        }));
}

ServiceNode* ServiceList::FindRecord(const std::string& name) const {
    for (const ServicePtr& record : records_)
        if (record->name == name)
            return record.get();
    return nullptr;
}

void ServiceList::InsertRecord(ServicePtr record) {
    records_.insert(records_.begin(), std::move(record));
}

bool ServiceList::RemoveRecord(const std::string& name) {
    const auto found =
        std::find_if(records_.begin(), records_.end(),
                     [&name](const ServicePtr& record) { return record->name == name; });
    if (found == records_.end())
        return false;
    records_.erase(found);
    return true;
}

void CopyMarks(const ServiceList& old, ServiceList& fresh) {
    std::unordered_map<std::string, int> marks;
    for (auto it = old.Records().rbegin(); it != old.Records().rend(); ++it)
        marks[(*it)->name] = (*it)->mark;
    for (const ServicePtr& record : fresh.Records()) {
        const auto found = marks.find(record->name);
        if (found != marks.end())
            record->mark = found->second;
    }
}

} // namespace sentrel
