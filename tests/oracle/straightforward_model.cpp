#include "straightforward_model.h"

#include <cmath>
#include <cstdio>

namespace tubeline::oracle {
namespace {

double Term(int model, double V, double E, double T) {
    const double u = E / T;
    if (model == 1) {
        const double A = 0.03658 + 0.000029 * V;
        const double B = 1 - 5.049 * u + 10.847 * std::pow(u, 2) - 10.516 * std::pow(u, 3) +
                         3.842 * std::pow(u, 4);
        const double S = 202.41 + 1036.1 * std::exp(-0.04695 * T);
        return ((A * B) * (511 / T + 1)) / S;
    }
    const double B =
        0.503 - 0.94597 * u + 0.1553 * u * u + 1.1632 * u * u * u - 0.6818 * u * u * u * u;
    return B * (1 + T / 511);
}

void ComputeSpectra(const IrradiationConditions& c, const AttenuationTable& at,
                    const MaterialFilter& mf, SpectrumTable& st) {
    const double pi = 3.14159;
    for (int a = 1; a <= 11; a++) {
        for (int j = 1; j <= 300; j++) {
            st.PhotonSpectrum[a][j] = 0;
        }
        const double phi = 2.0 * (a - 6) * pi / 180;
        const double d = std::fabs(100 * std::tan(phi));
        const double s = std::sqrt(std::pow(d, 2) + std::pow(100.0, 2)) / 100;
        const double q = std::pow(100.0, 2) / (std::pow(d, 2) + std::pow(100.0, 2));
        const double H = std::sqrt(1 - std::pow(std::tan(phi), 2)) /
                         (std::tan(c.TargetAngle * pi / 180) - std::tan(phi));

        // The operator's numbers: 1 constant potential, 2 three-phase, 3 single-phase.
        const int rectification = static_cast<int>(c.Rectification);
        int from = 2, to = 90, step = 2;
        if (rectification == 1) {
            from = 90, to = 90, step = 1;
        } else if (rectification == 2) {
            from = 75, to = 90, step = 1;
        }
        int N = 0;
        double V = 0;
        for (int theta = from; theta <= to; theta += step) {
            N = N + 1;
            V = std::sin(theta * pi / 180) * c.TubeVoltage;
            double w = 1;
            if (rectification == 3) {
                w = std::pow(std::fmin(std::sin(theta * pi / 180) / 0.75, 1), 1.5);
            }
            const double C = 141766 + 12157 * V - 111.046 * std::pow(V, 2) +
                             0.552536 * std::pow(V, 3) - 0.000970158 * std::pow(V, 4);
            double r = 0;
            if (V > 70) {
                r = (std::sqrt(8.79856 * V - 595.149) - 4.55528) / 4.39928;
            }
            for (int j = 2; j <= 2 * V; j++) {
                const double E = 0.5 * j;
                double sum = 0;
                double T = E;
                while (T <= V) {
                    const double depth = (V * V - T * T) / (19.3 * C);
                    const double att = std::exp(-at.MuTarget[j] * H * depth);
                    sum = sum + att * Term(static_cast<int>(c.ModelChoice), V, E, T);
                    T = T + 0.5;
                }
                st.SampleSpectrum[j] = sum;
            }
            if (V > 70) {
                double total = 0;
                for (int j = 2; j <= 2 * V; j++) {
                    total = total + st.SampleSpectrum[j];
                }
                const double NK = 0.01 * r * total;
                st.SampleSpectrum[119] += 0.5048 * NK;
                st.SampleSpectrum[116] += 0.2908 * NK;
                st.SampleSpectrum[134] += 0.162 * NK;
                st.SampleSpectrum[138] += 0.0424 * NK;
            }
            for (int j = 2; j <= 2 * V; j++) {
                st.PhotonSpectrum[a][j] += w * st.SampleSpectrum[j];
            }
        }
        for (int j = 2; j <= 2 * V; j++) {
            st.PhotonSpectrum[a][j] = st.PhotonSpectrum[a][j] / N;
        }
        for (int j = 2; j <= 2 * c.TubeVoltage; j++) {
            double Tarb = 1;
            for (int k = 1; k <= 3; k++) {
                Tarb = Tarb * std::exp(-mf.MuFilter[k][j] * (mf.FilterThickness[k] * 0.1) * s);
            }
            const double TAl = std::exp(-at.MuAluminium[j] * (s * (c.AluminiumFilter * 0.1) +
                                                              s * (c.InherentFiltration * 0.1)));
            const double TCu = std::exp(-at.MuCopper[j] * (c.CopperFilter * 0.1) * s);
            const double E = 0.5 * j;
            st.PhotonSpectrum[a][j] = q * (TAl * TCu * Tarb * st.PhotonSpectrum[a][j]) / E;
        }
        for (int j = 1; j <= 300; j++) {
            if (a == 6) {
                st.CentralSpectrum[j] = st.PhotonSpectrum[6][j];
            }
        }
        st.AnglePeak[a] = 0;
        for (int j = 2; j <= 2 * c.TubeVoltage; j++) {
            if (st.PhotonSpectrum[a][j] > st.AnglePeak[a]) {
                st.AnglePeak[a] = st.PhotonSpectrum[a][j];
            }
        }
    }
    st.SpectrumPeak = 0;
    for (int a = 1; a <= 11; a++) {
        if (st.SpectrumPeak < st.AnglePeak[a]) {
            st.SpectrumPeak = st.AnglePeak[a];
        }
    }
    st.EnergyFluencePeak = 0;
    for (int a = 1; a <= 11; a++) {
        for (int j = 1; j <= 300; j++) {
            st.EnergyFluenceSpectrum[a][j] = 0.5 * j * st.PhotonSpectrum[a][j];
            if (st.EnergyFluenceSpectrum[a][j] > st.EnergyFluencePeak) {
                st.EnergyFluencePeak = st.EnergyFluenceSpectrum[a][j];
            }
        }
    }
    for (int a = 1; a <= 11; a++) {
        for (int j = 1; j <= 300; j++) {
            st.EnergyFluenceSpectrum[a][j] = st.EnergyFluenceSpectrum[a][j] / st.EnergyFluencePeak;
        }
    }
    st.KermaPeak = 0;
    for (int a = 1; a <= 11; a++) {
        for (int j = 1; j <= 300; j++) {
            st.KermaSpectrum[a][j] = 0.5 * j * st.PhotonSpectrum[a][j] * at.MuEnAir[j];
            if (st.KermaSpectrum[a][j] > st.KermaPeak) {
                st.KermaPeak = st.KermaSpectrum[a][j];
            }
        }
    }
    for (int a = 1; a <= 11; a++) {
        for (int j = 1; j <= 300; j++) {
            st.KermaSpectrum[a][j] = st.KermaSpectrum[a][j] / st.KermaPeak;
        }
    }
}

void ComputeBeamQuality(const SpectrumTable& st, const AttenuationTable& at, BeamQuality& bq) {
    int n = 300;
    while (st.CentralSpectrum[n] == 0) {
        n = n - 1;
    }
    const int top = n + 1;
    double K0 = 0;
    for (int j = 11; j <= top; j++) {
        bq.KermaShare[j] = st.CentralSpectrum[j] * at.MuEnAir[j] * 0.5 * j;
        K0 = K0 + bq.KermaShare[j];
    }
    double R = 0;
    for (int j = 11; j <= top; j++) {
        bq.KermaShare[j] = bq.KermaShare[j] / K0;
        R = R + bq.KermaShare[j];
    }
    const EnergyArray firstShares = bq.KermaShare;
    for (int k = 1; k <= 300; k++) {
        double Sk = 0;
        for (int j = 11; j <= top; j++) {
            bq.KermaShare[j] = bq.KermaShare[j] * std::exp(-at.MuAluminium[j] * 0.01);
        }
        for (int j = 11; j <= top; j++) {
            Sk = Sk + bq.KermaShare[j];
        }
        bq.KermaTransmission[k] = 100 * Sk / R;
    }
    if (bq.KermaTransmission[1] < 50) {
        // Halved within the first step: bisection on the kerma left behind d cm, down to
        // neighbouring doubles.
        double thin = 0;
        double thick = 0.01;
        for (double d = thin + (thick - thin) / 2; d > thin && d < thick;
             d = thin + (thick - thin) / 2) {
            double left = 0;
            for (int j = 11; j <= top; j++) {
                left = left + firstShares[j] * std::exp(-at.MuAluminium[j] * d);
            }
            if (100 * left / R > 50) {
                thin = d;
            } else {
                thick = d;
            }
        }
        bq.HalfValueLayer = 10 * thin;
    } else {
        int i = 2;
        while (bq.KermaTransmission[i] > 50) {
            i = i + 1;
        }
        const double f =
            (std::log(50) - std::log(bq.KermaTransmission[i - 1])) /
            (std::log(bq.KermaTransmission[i]) - std::log(bq.KermaTransmission[i - 1]));
        bq.HalfValueLayer = 10 * (((i - 1) + f) * 0.01);
    }
    double Phi = 0;
    for (int j = 2; j <= top; j++) {
        Phi = Phi + st.CentralSpectrum[j];
    }
    double K = 0;
    for (int j = 2; j <= top; j++) {
        K = K + 1.602e-09 * st.CentralSpectrum[j] * 0.5 * j * at.MuEnAir[j];
    }
    const double X = K / 86.9;
    bq.FluencePerExposure = 0.01 * (3876 / X) * Phi;
}

std::string Printf(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string TableFile(const SpectrumTable& st) {
    std::string text = "   keV";
    for (int a = 1; a <= 11; a++) {
        char column[16];
        std::snprintf(column, sizeof column, ",%8d", 2 * (a - 6));
        text += column;
    }
    text += "\r\n";
    for (int j = 1; j <= 300; j++) {
        text += Printf("%06.1f", 0.5 * j);
        for (int a = 1; a <= 11; a++) {
            text += Printf(", %.5f", st.PhotonSpectrum[a][j] / st.SpectrumPeak);
        }
        text += "\r\n";
    }
    text += "\r\nMax   ";
    for (int a = 1; a <= 11; a++) {
        text += Printf(", %.5f", 1000 * st.AnglePeak[a]);
    }
    text += "\r\n" + Printf("%.5f", 1000 * st.SpectrumPeak) + "\r\n";
    return text;
}

}  // namespace

OracleRun RunStraightforward(const IrradiationConditions& conditions,
                             const AttenuationTable& attenuation, const MaterialFilter& filters) {
    OracleRun run;
    ComputeSpectra(conditions, attenuation, filters, run.Spectra);
    ComputeBeamQuality(run.Spectra, attenuation, run.Quality);
    run.TableFile = TableFile(run.Spectra);
    run.HalfValueLayerText = Printf("%.2f", *run.Quality.HalfValueLayer);
    run.FluencePerExposureText = Printf("%.3E", run.Quality.FluencePerExposure);
    return run;
}

}  // namespace tubeline::oracle
