#include "platform/Phrase.h"

#include "platform/InputFile.h"

#include <utility>

namespace phrase {

Phrase Text(const char* text, std::vector<Phrase> parts) {
    Phrase p;
    p.one = text;
    p.parts = std::move(parts);
    return p;
}

Phrase Counted(std::uint64_t count, const char* one, const char* many, std::vector<Phrase> parts) {
    Phrase p = Text(one, std::move(parts));
    p.many = many;
    p.count = count;
    return p;
}

Phrase Count(std::uint64_t count, const char* one, const char* many) {
    return Counted(count, one, many, {Number(count)});
}

Phrase Data(std::string value) {
    Phrase p;
    p.data = std::move(value);
    return p;
}

Phrase Number(std::uint64_t value) {
    return Data(std::to_string(value));
}

Phrase Grouped(std::uint64_t value) {
    return Data(GroupedNumber(value));
}

Phrase Join(std::vector<Phrase> parts, std::string separator) {
    if (parts.empty())
        return {};
    Phrase p = Data(std::move(separator));
    p.parts = std::move(parts);
    return p;
}

namespace {

Phrase Chain(std::vector<Phrase> items, bool andLast) {
    if (items.empty())
        return {};
    Phrase out = std::move(items.front());
    for (std::size_t i = 1; i < items.size(); ++i)
        out = Text(andLast && i + 1 == items.size() ? VELMAR_TRANSLATE_NOOP("Velmar", "%1 and %2")
                                                    : VELMAR_TRANSLATE_NOOP("Velmar", "%1, %2"),
                   {std::move(out), std::move(items[i])});
    return out;
}

} // namespace

Phrase List(std::vector<Phrase> items) {
    return Chain(std::move(items), true);
}

Phrase Series(std::vector<Phrase> items) {
    return Chain(std::move(items), false);
}

} // namespace phrase

std::string Compose(const Phrase& phrase,
                    const std::function<std::string(const Phrase&)>& pattern) {
    std::vector<std::string> parts;
    parts.reserve(phrase.parts.size());
    for (const Phrase& part : phrase.parts)
        parts.push_back(Compose(part, pattern));
    if (!phrase.Pattern()) {
        if (parts.empty())
            return phrase.data;
        std::string out;
        for (std::size_t i = 0; i < parts.size(); ++i)
            out += (i ? phrase.data : std::string()) + parts[i];
        return out;
    }
    // One pass, so that a part's own "%1" (a name) stays as it is.
    const std::string text = pattern(phrase);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < parts.size()) {
            out += parts[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string English(const Phrase& phrase) {
    return Compose(phrase, [](const Phrase& p) { return std::string(p.Pattern()); });
}
