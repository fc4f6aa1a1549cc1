#pragma once
#include "framework/ColourScheme.h"

// High contrast on, for the object's lifetime (Wine always answers "off").
class ForcedHighContrast : public HighContrastSeam {
public:
    ForcedHighContrast() { SetSystemHighContrast(this); }
    ~ForcedHighContrast() override { SetSystemHighContrast(nullptr); }
    bool On() const override { return true; }
};
