#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the exchange-rate file installed with Tallyfox: src/res/exrate.dat.

One line for every ordered pair of the 24 currencies of the converter's
start-up list, in that list's order, a currency with itself at 1. The file is
UTF-16LE: a first line of U+FEFF and the date of the rates (2024-06-28),
then "from  to  rate  " lines ending in LF alone, as the program writes them. Run it again after changing the rates:

    python3 tools/make_exrate.py
"""

from pathlib import Path

RATES_DATE = "2024-06-28"

# Units of each currency per US dollar, approximate market rates of
# RATES_DATE, in the order of the converter's start-up list. The franc and
# the mark follow the euro at their fixed conversion rates.
EUR_PER_USD = 0.9334
UNITS_PER_USD = [
    ("USD", 1.0),
    ("EUR", EUR_PER_USD),
    ("AUD", 1.4993),
    ("BRL", 5.5900),
    ("GBP", 0.7908),
    ("CAD", 1.3680),
    ("CNY", 7.2672),
    ("CZK", 23.37),
    ("DKK", 6.9620),
    ("FRF", EUR_PER_USD * 6.55957),
    ("DEM", EUR_PER_USD * 1.95583),
    ("HKD", 7.8074),
    ("HUF", 368.70),
    ("INR", 83.390),
    ("JPY", 160.86),
    ("KRW", 1376.4),
    ("MXN", 18.300),
    ("NZD", 1.6412),
    ("NOK", 10.650),
    ("RUB", 85.750),
    ("SGD", 1.3555),
    ("ZAR", 18.250),
    ("SEK", 10.590),
    ("CHF", 0.8986),
]

# The program reads at most nine characters of a rate.
MAX_RATE_CHARS = 9


def rate_text(rate):
    """The rate with as many decimals as nine characters hold, without
    trailing zeros."""
    for decimals in range(MAX_RATE_CHARS, -1, -1):
        text = f"{rate:.{decimals}f}"
        if len(text) <= MAX_RATE_CHARS:
            break
    else:
        raise ValueError(f"rate {rate} does not fit {MAX_RATE_CHARS} characters")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    if float(text) <= 0:
        raise ValueError(f"rate {rate} does not fit {MAX_RATE_CHARS} characters")
    return text


def rate_lines():
    yield "\ufeff" + RATES_DATE
    for source, (_, source_per_usd) in enumerate(UNITS_PER_USD):
        for target, (_, target_per_usd) in enumerate(UNITS_PER_USD):
            rate = 1.0 if source == target else target_per_usd / source_per_usd
            yield f"{source}  {target}  {rate_text(rate)}  "


def main():
    output = Path(__file__).resolve().parent.parent / "src" / "res" / "exrate.dat"
    text = "".join(line + "\n" for line in rate_lines())
    output.write_bytes(text.encode("utf-16-le"))
    print(f"{output}: {len(UNITS_PER_USD) ** 2} pairs, rates of {RATES_DATE}")


if __name__ == "__main__":
    main()
