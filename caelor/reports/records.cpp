#include "reports/records.h"

RecordField NumberField(const std::string& name, double value, int decimals) {
    RecordField field;
    field.name = name;
    field.kind = RecordField::Kind::Number;
    field.number = value;
    field.decimals = decimals;
    return field;
}

RecordField TextField(const std::string& name, const std::string& text) {
    RecordField field;
    field.name = name;
    field.kind = RecordField::Kind::Text;
    field.text = text;
    return field;
}

RecordField FlagField(const std::string& name, bool flag) {
    RecordField field;
    field.name = name;
    field.kind = RecordField::Kind::Flag;
    field.flag = flag;
    return field;
}

RecordField InstantField(const std::string& name, double jdUt, bool happens) {
    RecordField field;
    field.name = name;
    field.kind = RecordField::Kind::Instant;
    field.number = jdUt;
    field.happens = happens;
    return field;
}

Record EventRecord(const std::string& kind, const std::string& body, const std::string& summary,
                   double jdUt) {
    Record record;
    record.kind = kind;
    record.body = body;
    record.summary = summary;
    record.event = true;
    record.hasInstant = true;
    record.jdUt = jdUt;
    return record;
}

const char* RecordBodyKey(int body) {
    static const char* const kKeys[] = {"sun",     "moon",   "earth",  "mercury", "venus", "mars",
                                        "jupiter", "saturn", "uranus", "neptune", "pluto"};
    return kKeys[body];
}

std::string RecordBodyName(int body) {
    static const char* const kNames[] = {"Sun",     "Moon",   "Earth",  "Mercury", "Venus", "Mars",
                                         "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};
    return kNames[body];
}
