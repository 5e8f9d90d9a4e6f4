"""The module's own message for a name it does not know: an unknown keyword argument, a key of a
condition, a material; each with the names it knows closest to it."""

import difflib
import errno
import functools
import inspect
import os
from collections.abc import Callable, Iterable
from typing import ParamSpec, TypeVar

_Parameters = ParamSpec("_Parameters")
_Returned = TypeVar("_Returned")


def closest_names(name: str, known: Iterable[str], count: int = 3) -> list[str]:
    """The known names most like `name`, in any case, closest first: one that differs only in
    case first of all (kV: kv)."""
    by_folded: dict[str, list[str]] = {}
    for candidate in known:
        by_folded.setdefault(candidate.casefold(), []).append(candidate)
    folded = name.casefold()
    matches = difflib.get_close_matches(folded, by_folded, n=count, cutoff=0.6)
    if folded in by_folded and folded not in matches:
        matches.insert(0, folded)
    return [candidate for match in matches for candidate in by_folded[match]][:count]


def listing(names: Iterable[str]) -> str:
    """"a, b and c"."""
    *most, last = names
    return f"{', '.join(most)} and {last}" if most else last


def unknown_argument_message(name: str, function: str, accepted: Iterable[str]) -> str:
    """"unknown argument 'kV' (did you mean 'kv'?); compute takes model, kv, ... and data_dir"."""
    accepted = list(accepted)
    closest = closest_names(name, accepted, count=1)
    hint = f" (did you mean {closest[0]!r}?)" if closest else ""
    return f"unknown argument {name!r}{hint}; {function} takes {listing(accepted)}"


def with_known_keywords(
        function: Callable[_Parameters, _Returned]) -> Callable[_Parameters, _Returned]:
    """The function, refusing an unknown keyword argument with the module's own TypeError (the
    interpreter's names no near match); inspect.signature and help() show the function's own
    signature."""
    accepted = tuple(inspect.signature(function).parameters)
    known = frozenset(accepted)

    @functools.wraps(function)
    def checked(*args: _Parameters.args, **kwargs: _Parameters.kwargs) -> _Returned:
        if not known.issuperset(kwargs):
            name = next(name for name in kwargs if name not in known)
            raise TypeError(f"{function.__name__}(): "
                            + unknown_argument_message(name, function.__name__, accepted))
        return function(*args, **kwargs)

    return checked


def material_file_named(name: str, files: Iterable[str], folders: Iterable[str]) -> str:
    """The material file of `files` (those of the material folders, in order) that `name`
    names in another case: its file name or stem, when only one spelling matches ("water" for
    Water.mix; a stem shared by an .ele and a .mix file names the first, as in its own case).
    Otherwise FileNotFoundError naming the folders searched and the closest materials."""
    files, folders = list(files), list(folders)
    by_spelling: dict[str, str] = {}
    for file in files:
        file_name = os.path.basename(file)
        for spelling in (file_name, os.path.splitext(file_name)[0]):
            if spelling.casefold() == name.casefold():
                by_spelling.setdefault(spelling, file)
    if len(by_spelling) == 1:
        return next(iter(by_spelling.values()))
    by_stem: dict[str, list[str]] = {}
    for file in files:
        file_name = os.path.basename(file)
        by_stem.setdefault(os.path.splitext(file_name)[0], []).append(file_name)
    closest = [file_name for stem in closest_names(os.path.splitext(name)[0], by_stem)
               for file_name in by_stem[stem]]
    searched = listing(folders) if folders else "no material folder"
    message = (f"no material named {name!r} in {searched}"
               + (" (several in other cases)" if by_spelling else "")
               + ", nor such a file"
               + (f"; the closest: {', '.join(closest)}" if closest else ""))
    raise FileNotFoundError(errno.ENOENT, message, name)
