#pragma once

#include <array>

// Fixed captions of the chart window.
namespace tavrin::chart_window {

// The four pillar tabs carry the pillars' headings (PillarHeadings); this one follows them.
inline constexpr const char* kLuckPeriodsTab = "Luck Periods";

// The explanation paragraph of each pillar page, by lblCaption index: the
// index runs from the hour page (0) up to the year page (3), and the reading
// report reads the paragraphs by these indices.
inline constexpr std::array<const char*, 4> kPillarExplanations = {
    "The Hour Pillar is calculated on the basis of the hour of your birth. The Hour Pillar is also referred to as "
    "the 'Children Palace'. It is the pillar which predicts your relationship with your children. It also tells you "
    "about your old age.",
    "The Day Pillar is calculated on the basis of your birth day. Out of all the pillars of destiny, the Day Pillar "
    "is the most important. The stem i.e. the top portion of this pillar indicates the Day Master i.e. your spirit; "
    "while the branch portion is referred to as the marriage palace. It tells you about your marriage and also "
    "reflects the quality of your marriage.",
    "The Month Pillar is calculated on the basis of your month of birth. The Month Pillar is also referred to as the "
    "'Parents Palace'. It is the pillar which predicts your relationship with your parents. Your childhood days are "
    "reflected in this pillar and it also indicates the type of family and the surrounding environment in which you "
    "have grown up.",
    "The Year Pillar is calculated on the basis of the year of birth. The Year Pillar is also referred to as the "
    "'Grandparents Palace'. It is the pillar which predicts your relationship with your grandparents and also "
    "represents your family status, background and society. It reflects the subtle yet powerful impacts on a "
    "person's achievement.",
};

inline constexpr const char* kInterpretation = "Interpretation";

}  // namespace tavrin::chart_window
