#pragma once
// The sentence that describes an order, and the headings built around it.

#include <string>

#include "model/mission.h"
#include "model/record_layouts.h"
#include "text/vocabulary.h"

namespace vorlan {

// The order sentence, for example "Attack targets:  X-W Red only if Team Imperial".
std::string OrderText(ConstRecordRef<OrderRec::Tag> order, const Mission& mission,
                      const Vocabulary& vocabulary);
inline std::string OrderText(RecordRef<OrderRec::Tag> order, const Mission& mission,
                             const Vocabulary& vocabulary) {
    return OrderText(ConstRecordRef<OrderRec::Tag>(order.Data()), mission, vocabulary);
}

// "Order #<orderNumber>:", orderNumber counted from 1.
std::string OrderHeading(int orderNumber);

// At "<region name>" - <order sentence>, for region 1 to 4. A region outside 1 to 4 has an
// empty name rather than reading some other header field.
std::string RegionOrderHeading(int region, ConstRecordRef<OrderRec::Tag> order,
                               const Mission& mission, const Vocabulary& vocabulary);
inline std::string RegionOrderHeading(int region, RecordRef<OrderRec::Tag> order,
                                      const Mission& mission, const Vocabulary& vocabulary) {
    return RegionOrderHeading(region, ConstRecordRef<OrderRec::Tag>(order.Data()), mission,
                              vocabulary);
}

}  // namespace vorlan
