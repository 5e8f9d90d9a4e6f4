"""The exceptions and the warning of the module."""

import os
import sys
import warnings


class InputRejected(ValueError):
    """An input the main window's calculate command refuses: a target angle below 12 or from
    90 degrees, a number that is not finite, a negative filtration, a fourth filter, filtration
    that leaves no spectrum, a half-value layer that cannot be matched. str() is the window's
    message in the current language; field and reason say the same to a program, in English
    words that stay the same in every language.

    field: the argument to blame by its name: "kv", "angle", "inherent", "al", "cu",
        "filters[i]" (the filter of slot i, from 0), "target" or "filters" (match_hvl); None
        when the whole beam is to blame (filtration that leaves no spectrum).
    reason: "not_a_number", "beyond_range", "below_minimum", "not_below_limit", "negative",
        "no_free_slot", "no_spectrum", "no_beam_quality", "not_positive", "below_unfiltered",
        "not_reached" or "unfiltered_beyond_search" (docs/python.md tells them apart)."""

    def __init__(self, message: str, field: str | None = None, reason: str | None = None):
        super().__init__(message)
        self.field = field
        self.reason = reason


class DataFileError(OSError):
    """The attenuation table or a material file was read, but its contents were refused.
    filename names the file; the message says what is wrong where."""

    def __str__(self):
        return self.strerror


class TubelineWarning(UserWarning):
    """Something the calculation changed or left out and said so: a tube voltage corrected
    into 30..150 kV (from imap and compute_many, led by the condition's place), a material
    file that materials() could not read."""


for _kind in (InputRejected, DataFileError, TubelineWarning):
    _kind.__module__ = "tubeline"

# As the interpreter names the code of this package (the same path as __file__).
_PACKAGE_FOLDER = os.path.dirname(__file__) + os.sep


def warn(message: str) -> None:
    """Issues a TubelineWarning from the line of the script that called into the module, so
    that the warning filters see the script's line, not the module's."""
    level, frame = 2, sys._getframe(1)
    while frame is not None and frame.f_code.co_filename.startswith(_PACKAGE_FOLDER):
        level, frame = level + 1, frame.f_back
    warnings.warn(message, TubelineWarning, stacklevel=level)
