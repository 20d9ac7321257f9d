// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Generated with GNU MPFR by `evdrive_trig_reference constants`
// (tests/core/trig_reference.cpp); core.trig_constants_are_generated checks
// them.

#pragma once

#include "core/double_double.h"
#include "core/wide_fixed.h"

#include <array>
#include <cstdint>

// clang-format off
namespace evdrive::trig_constants {

// π/2 as the sum of three doubles, each the one nearest to what is left.
inline constexpr std::array<double, 3> halfPiParts = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54, -0x1.f1976b7ed8fbcp-110};

inline constexpr dd::DoubleDouble oneThird = {0x1.5555555555555p-2, 0x1.5555555555555p-56};

// atan(i/64), i = 0 … 64.
inline constexpr std::array<dd::DoubleDouble, 65> atanOfSixtyFourths = {{
    {0x0p+0, 0x0p+0},
    {0x1.fff555bbb729bp-7, -0x1.220c39d4dff5p-61},
    {0x1.ffd55bba97625p-6, -0x1.5ec431444912cp-60},
    {0x1.7fb818430da2ap-5, -0x1.86ef8f794f105p-63},
    {0x1.ff55bb72cfdeap-5, -0x1.c934d86d23f1dp-60},
    {0x1.3f59f0e7c559dp-4, 0x1.ac4ce285df847p-58},
    {0x1.7ee182602f10fp-4, -0x1.cfb654c0c3d98p-58},
    {0x1.be39ebe6f07c3p-4, 0x1.f7b8f29a05987p-58},
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
    {0x1.1e1fafb043727p-3, -0x1.b485914dacf8cp-59},
    {0x1.3d6eee8c6626cp-3, 0x1.61a3b0ce9281bp-57},
    {0x1.5c9811e3ec26ap-3, -0x1.054ab2c010f3dp-58},
    {0x1.7b97b4bce5b02p-3, 0x1.347b0b4f881cap-58},
    {0x1.9a6a8e96c8626p-3, 0x1.cf601e7b4348ep-59},
    {0x1.b90d7529260a2p-3, 0x1.17b10d2e0e5abp-61},
    {0x1.d77d5df205736p-3, 0x1.c648d1534597ep-57},
    {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.09dc597d86362p-2, 0x1.62e47390cb865p-56},
    {0x1.18bf5a30bf178p-2, 0x1.30ca4748b1bf9p-57},
    {0x1.278372057ef46p-2, -0x1.077cdd36dfc81p-56},
    {0x1.362773707ebccp-2, -0x1.963a544b672d8p-57},
    {0x1.44aa436c2af0ap-2, -0x1.5d5e43c55b3bap-56},
    {0x1.530ad9951cd4ap-2, -0x1.2566480884082p-57},
    {0x1.614840309cfe2p-2, -0x1.a725715711fp-56},
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
    {0x1.7d5604b63b3f7p-2, 0x1.69c885c2b249ap-56},
    {0x1.8b24d394a1b25p-2, 0x1.b6d0ba3748fa8p-56},
    {0x1.98cd5454d6b18p-2, 0x1.9e6c988fd0a77p-56},
    {0x1.a64eec3cc23fdp-2, -0x1.24dec1b50b7ffp-56},
    {0x1.b3a911da65c6cp-2, 0x1.ae187b1ca504p-56},
    {0x1.c0db4c94ec9fp-2, -0x1.cc1ce70934c34p-56},
    {0x1.cde53432c1351p-2, -0x1.a2cfa4418f1adp-56},
    {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.e77eb7f175a34p-2, 0x1.0e53dc1bf3435p-56},
    {0x1.f40dd0b541418p-2, -0x1.a3992dc382a23p-57},
    {0x1.0039c73c1a40cp-1, -0x1.b32c949c9d593p-55},
    {0x1.0657e94db30dp-1, -0x1.d5b495f6349e6p-56},
    {0x1.0c6145b5b43dap-1, 0x1.974fa13b5404fp-58},
    {0x1.1255d9bfbd2a9p-1, -0x1.2bdaee1c0ee35p-58},
    {0x1.1835a88be7c13p-1, 0x1.c621cec00c301p-55},
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
    {0x1.23b71e2cc9e6ap-1, 0x1.c421c9f38224ep-57},
    {0x1.2958e59308e31p-1, -0x1.09e73b0c6c087p-56},
    {0x1.2ee628406cbcap-1, 0x1.c5d5e9ff0cf8dp-55},
    {0x1.345f01cce37bbp-1, 0x1.1021137c71102p-55},
    {0x1.39c391cd4171ap-1, -0x1.2304331d8bf46p-55},
    {0x1.3f13fb89e96f4p-1, 0x1.ecf8b492644fp-56},
    {0x1.445065b795b56p-1, -0x1.f76d0163f79c8p-56},
    {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.4e8de5bb6ec04p-1, 0x1.4a33dbeb3796cp-55},
    {0x1.538f57b89061fp-1, -0x1.1bb74abda520cp-55},
    {0x1.587d81f732fbbp-1, -0x1.5e5c9d8c5a95p-56},
    {0x1.5d58987169b18p-1, 0x1.0028e4bc5e7cap-57},
    {0x1.6220d115d7b8ep-1, -0x1.2b785350ee8c1p-57},
    {0x1.66d663923e087p-1, -0x1.6ea6febe8bbbap-56},
    {0x1.6b798920b3d99p-1, -0x1.a80386188c50ep-55},
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
    {0x1.748978fba8e0fp-1, 0x1.7b2a6165884a1p-59},
    {0x1.78f6bbd5d315ep-1, 0x1.406a08980374p-55},
    {0x1.7d528289fa093p-1, 0x1.560821e2f3aa9p-55},
    {0x1.819d0b7158a4dp-1, -0x1.bf76229d3b917p-56},
    {0x1.85d69576cc2c5p-1, 0x1.6b66e7fc8b8c3p-57},
    {0x1.89ff5ff57f1f8p-1, -0x1.55b9a5e177a1bp-55},
    {0x1.8e17aa99cc05ep-1, -0x1.ec182ab042f61p-56},
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
}};

// tan(i/64), i = 0 … 51: up to just past π/4.
inline constexpr std::array<dd::DoubleDouble, 52> tanOfSixtyFourths = {{
    {0x0p+0, 0x0p+0},
    {0x1.0005557778549p-6, -0x1.4792827ea2e3ep-60},
    {0x1.00155777aec08p-5, 0x1.5f48b25fa0262p-59},
    {0x1.80481036e4452p-5, 0x1.3d85e10c65fcep-60},
    {0x1.005577854df01p-4, -0x1.f35b10671bea1p-58},
    {0x1.40a71317603a9p-4, 0x1.e341cf23dfe5cp-58},
    {0x1.8121042019d39p-4, 0x1.e53de54163d36p-58},
    {0x1.c1cb884ae7ce3p-4, -0x1.91f3cfab70c67p-60},
    {0x1.01577af1511a5p-3, -0x1.fba60a478d2bp-59},
    {0x1.21e9e01751d9cp-3, -0x1.8f2e9b85cdb48p-60},
    {0x1.42a13df7bb968p-3, -0x1.981948de81acp-57},
    {0x1.6381f20021d08p-3, -0x1.9360ee39e7d86p-58},
    {0x1.84906f1132568p-3, 0x1.20efcd2f809c3p-60},
    {0x1.a5d13ffc776f5p-3, 0x1.b89182a3a38d7p-57},
    {0x1.c7490a1d1e12dp-3, 0x1.d2fc0e48d3694p-58},
    {0x1.e8fc900f0376bp-3, -0x1.b971a98dc7fbp-57},
    {0x1.05785a43c4c56p-2, -0x1.9c6bfe7769a3dp-58},
    {0x1.16953ea9fb257p-2, 0x1.06b03f377d8fp-59},
    {0x1.27d78b40b7704p-2, 0x1.f391de0df335dp-56},
    {0x1.3941ead97b329p-2, -0x1.736dee67c7385p-57},
    {0x1.4ad71ed51ce39p-2, -0x1.b8c42b22fff4bp-56},
    {0x1.5c9a01043014bp-2, -0x1.8a3aeeb99c243p-57},
    {0x1.6e8d85a6493e1p-2, -0x1.80e8ea578b238p-56},
    {0x1.80b4bd8b3bdd9p-2, 0x1.5a80279094351p-59},
    {0x1.9312d859bf8bp-2, -0x1.de9ddeb7d418p-57},
    {0x1.a5ab26ff403edp-2, -0x1.522f5c7d91fa7p-59},
    {0x1.b8811e4d009c3p-2, -0x1.2f8192327ea6bp-58},
    {0x1.cb9859c724099p-2, -0x1.923f8a8057bf7p-57},
    {0x1.def49eaab37a1p-2, 0x1.1e48c7a265428p-56},
    {0x1.f299df303cebbp-2, -0x1.925b4a577d0aap-58},
    {0x1.03461f08a685dp-1, -0x1.71d22a449a2eap-55},
    {0x1.0d68092bdb64ep-1, -0x1.9115b88532a0ap-55},
    {0x1.17b4f5bf3474ap-1, 0x1.0c5e59201e209p-55},
    {0x1.222f4af63cacdp-1, 0x1.5ffe451c2abd6p-56},
    {0x1.2cd98fea0ab88p-1, 0x1.bf004c33955cbp-57},
    {0x1.37b66f4018e8ep-1, -0x1.1899339e50c0ep-56},
    {0x1.42c8ba0e9537ap-1, -0x1.1817d3747956ap-56},
    {0x1.4e136b0504b5fp-1, -0x1.cfa9c233bbb31p-56},
    {0x1.5999a9e0f5129p-1, -0x1.ebf504ca1c5d4p-56},
    {0x1.655ecf3776ef1p-1, -0x1.a80657cbfeeb6p-55},
    {0x1.7166689d41efp-1, -0x1.f44ffce65ed2bp-55},
    {0x1.7db43d38b62cap-1, 0x1.489d3c731da14p-55},
    {0x1.8a4c52ca75a77p-1, 0x1.4d66e6bea4d61p-55},
    {0x1.9732f33b14612p-1, 0x1.c2d4507fd437ap-57},
    {0x1.a46cb2be6a0b2p-1, -0x1.29a64ecb1df2ep-56},
    {0x1.b1fe769f7154ep-1, 0x1.32aa55fd9947dp-56},
    {0x1.bfed7cca66b49p-1, 0x1.8d237cd4d9245p-55},
    {0x1.ce3f642e15af6p-1, -0x1.98cfacf28c6b2p-55},
    {0x1.dcfa36110eeecp-1, -0x1.f3cf665127fd2p-57},
    {0x1.ec24707bf6687p-1, 0x1.8cb6d1fadd1dap-55},
    {0x1.fbc511df5917fp-1, 0x1.4e6ef3dde2f07p-55},
    {0x1.05f1d310d7282p+0, -0x1.a71bbb015eecdp-54},
}};

// π/2 in WideFixed, truncated.
inline constexpr WideFixed halfPiFixed{WideFixed::Words{
    0x00000001, 0x921FB544, 0x42D18469, 0x898CC517, 0x01B839A2, 0x52049C11,
    0x14CF98E8, 0x04177D4C, 0x76273644, 0xA29410F3,
}};

// The first 1536 fraction bits of 2/π, truncated: enough to reduce any
// double modulo π/2 to 288 bits.
inline constexpr std::array<std::uint32_t, 48> twoOverPiFraction = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041,
    0xFE5163AB, 0xDEBBC561, 0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C,
    0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484, 0xE99C7026, 0xB45F7E41,
    0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D,
    0x7527BAC7, 0xEBE5F17B, 0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08,
    0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D, 0xA9E39161, 0x5EE61B08,
    0x6599855F, 0x14A06840, 0x8DFFD880, 0x4D732731, 0x06061556, 0xCA73A8C9,
};

} // namespace evdrive::trig_constants
// clang-format on
