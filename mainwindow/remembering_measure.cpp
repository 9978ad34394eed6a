#include "mainwindow/remembering_measure.h"

std::size_t RememberingMeasure::fittingPrefix(std::string_view text, int extent) const {
    auto atExtent = answersByExtent.begin();
    while (atExtent != answersByExtent.end() && atExtent->first != extent) ++atExtent;
    if (atExtent == answersByExtent.end()) atExtent = answersByExtent.insert(atExtent, {extent, {}});
    Answers& answers = atExtent->second;

    if (const auto known = answers.find(text); known != answers.end()) return known->second;
    if (answers.size() >= MostKept) answers.clear();
    const std::size_t fits = measure.fittingPrefix(text, extent);
    answers.emplace(std::string(text), fits);
    return fits;
}
