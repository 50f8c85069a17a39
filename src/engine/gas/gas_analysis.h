#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "engine/gas/component_data.h"

namespace vaporis::gas {

//! Result of an edit operation; the analysis changes only with EditOk.
enum class EditResult : int {
    EditOk,
    WaterOnly,             //!< the gas is water vapour only
    BadInput,              //!< p = 0, phi outside [0, 100], or a NaN/inf/out-of-range argument
    BelowMinTemperature,   //!< t below the analysis's minTemperature
    SaturationImpossible,  //!< saturation would mean 100 % water vapour
    SingleComponent,       //!< the component is the only one present
    TooMuchRemoved,        //!< the new fraction would be 0 or less
    TooMuchAdded,          //!< the new fraction would be 1 or more
    AboveHundredPercent,   //!< a value above 100 %
};

//! Temperature range [°C] of an analysis without components.
inline constexpr double kNoComponentMinTemperature = -2000.0;
inline constexpr double kNoComponentMaxTemperature = 100000.0;

//! Longest name an analysis keeps [bytes].
inline constexpr std::size_t kMaxGasNameLength = 127;

//! Composition of a gas over the 24 components. The percentages of the basis the analysis
//! was set in stay as typed (their sum may differ from 100); fractions, the other basis and
//! the mixture constants are derived from them. Volume and mole basis are the same here.
class GasAnalysis {
public:
    using Values = std::span<const double, kComponentCount>;

    //! Loads mass percentages [%] and derives everything; a sum <= 0, a sum too large for a
    //! double or a NaN/inf value clears the analysis.
    void setFromMassPercent(Values values);
    //! Loads volume percentages [%] and derives everything; as setFromMassPercent.
    void setFromVolumePercent(Values values);
    //! Loads percentages of the current basis (mass or volume by isVolumeBasis); all 0 clears
    //! the analysis. BadInput, the analysis unchanged, for a negative, NaN or infinite entry or
    //! entries whose sum is too large for a double.
    [[nodiscard]] EditResult setFromEnteredPercent(Values values);

    //! All fractions, percentages and sums 0; constants, basis and name unchanged.
    void clear();
    //! clear, then volume basis.
    void reset();
    //! 100 vol % dry air.
    void setDefault();
    //! The entered percentages become the normalised ones (sum 100) in the current basis.
    void rescale();
    void rescaleMass();
    void rescaleVolume();
    //! Keeps the entered numbers but reads them as percentages of the other basis.
    void swapBasis();
    //! Sets component index to volume fraction y [-]; the others keep their ratios.
    void setComponentVolumeFraction(int index, double y);

    //! Water vapour at relative humidity phi [%] at p [bar] and t [°C] replaces the water
    //! present; the dry components keep their ratios.
    [[nodiscard]] EditResult humidify(double p, double t, double phi);
    //! Removes all water vapour (always succeeds).
    void dry();
    //! Changes the fraction of component index by d [%] of the current basis.
    [[nodiscard]] EditResult changeComponentBy(int index, double d);
    //! Sets the fraction of component index to v [%] of the current basis.
    [[nodiscard]] EditResult changeComponentTo(int index, double v);
    //! Mixes 1 kg of this gas with a [kg] of other.
    [[nodiscard]] EditResult mixMass(const GasAnalysis& other, double a);
    //! Mixes 1 m³ of this gas with a [m³] of other.
    [[nodiscard]] EditResult mixVolume(const GasAnalysis& other, double a);

    //! -2 when no component is present, -1 when more than one is, else its index.
    [[nodiscard]] int singleComponent() const;
    //! Smallest tMax [°C] of the components present; 100000 when there is none.
    [[nodiscard]] double maxTemperature() const { return maxTemperature_; }
    //! Largest tMin [°C] of the components present; -2000 when there is none.
    [[nodiscard]] double minTemperature() const { return minTemperature_; }

    //! Keeps at most kMaxGasNameLength bytes, never splitting a UTF-8 character.
    void setName(std::string_view text);
    [[nodiscard]] const std::string& name() const { return name_; }

    //! Fractions [-] and percentages [%] of component index; 0 for a non-component index.
    [[nodiscard]] double massFraction(int index) const;
    [[nodiscard]] double volumeFraction(int index) const;
    [[nodiscard]] double massPercent(int index) const;
    [[nodiscard]] double volumePercent(int index) const;
    [[nodiscard]] Values massFractions() const { return massFraction_; }
    [[nodiscard]] Values volumeFractions() const { return volumeFraction_; }
    [[nodiscard]] Values massPercents() const { return massPercent_; }
    [[nodiscard]] Values volumePercents() const { return volumePercent_; }
    //! Percentages [%] of the current basis: what the user entered and sees.
    [[nodiscard]] Values enteredPercents() const;

    //! Molar mass [kg/kmol].
    [[nodiscard]] double molarMass() const { return molarMass_; }
    //! Specific gas constant [J/(kg K)].
    [[nodiscard]] double gasConstantJ() const { return gasConstantJ_; }
    //! Specific volume at 0 °C and 1.01325 bar [m³/kg].
    [[nodiscard]] double normalVolume() const { return normalVolume_; }
    [[nodiscard]] double massPercentSum() const { return massPercentSum_; }
    [[nodiscard]] double volumePercentSum() const { return volumePercentSum_; }
    [[nodiscard]] bool isVolumeBasis() const { return isVolumeBasis_; }
    void setVolumeBasis(bool volumeBasis) { isVolumeBasis_ = volumeBasis; }

    friend bool operator==(const GasAnalysis&, const GasAnalysis&) = default;

private:
    using Array = std::array<double, kComponentCount>;

    void deriveFromMassFractions();
    void deriveFromVolumeFractions();
    void deriveConstants();
    void deriveTemperatureRange();
    void setComponentFraction(int index, double x, bool volumeBasis);

    Array massFraction_{};
    Array volumeFraction_{};
    Array massPercent_{};
    Array volumePercent_{};
    double molarMass_ = -1.0;
    double gasConstantJ_ = -1.0;
    double normalVolume_ = -1.0;
    double massPercentSum_ = -1.0;
    double volumePercentSum_ = -1.0;
    // Derived with the fractions: every range-tested property function asks for them.
    double minTemperature_ = kNoComponentMinTemperature;
    double maxTemperature_ = kNoComponentMaxTemperature;
    bool isVolumeBasis_ = true;
    std::string name_ = "NO NAME";
};

}  // namespace vaporis::gas
