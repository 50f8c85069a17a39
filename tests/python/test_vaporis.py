"""The Python module against the command line it shares its engines with, and against physics."""
import json
import math
import os
import subprocess

import numpy as np
import pytest

import vaporis

CLI = os.environ.get("VAPORIS_CLI", "vaporis-cli")
STEAM_ROWS = ("state", "liquid", "vapor")


def cli(*args, code=0):
    """The command's JSON (exit code as expected) and its stderr."""
    run = subprocess.run([CLI, *args, "--json"], capture_output=True, text=True, check=False)
    assert run.returncode == code, run.stderr
    return json.loads(run.stdout) if run.stdout else None, run.stderr.strip()


@pytest.mark.parametrize("given", [{"p": 50, "t": 400}, {"p": 1, "x": 0.3}, {"t": 250, "x": 1}])
def test_steam_equals_command_line_to_last_digit(given):
    state = vaporis.steam(**given)
    expected, _ = cli("steam", *[f"--{k}={v}" for k, v in given.items()])
    for row in STEAM_ROWS:
        ours = state if row == "state" else state[row]
        for key, item in expected[row].items():
            if item["value"] is None:
                assert math.isnan(ours[key]), (row, key)
            else:
                assert ours[key] == item["value"], (row, key)
    for key, item in expected["saturation"].items():
        assert state[key] == item["value"] or math.isnan(state[key]), key


def test_steam_matches_published_if97_values():
    # IAPWS-IF97 Tables 5 and 15: h [kJ/kg] at 3 MPa/300 K and 0.0035 MPa/300 K; ts at 1 bar
    assert vaporis.steam(p=30, t=26.85)["h"] == pytest.approx(115.331273, abs=1e-6)
    assert vaporis.steam(p=0.035, t=26.85)["h"] == pytest.approx(2549.91145, abs=1e-5)
    assert vaporis.steam(p=1.01325, x=0)["t"] == pytest.approx(99.974, abs=1e-3)


def test_steam_from_enthalpy_equals_steam_ph():
    for p, h in ((1, 1500), (50, 3196.59)):
        expected, _ = cli("steam-ph", f"--p={p}", f"--h={h}")
        state = vaporis.steam(p=p, h=h)
        assert state["t"] == expected["t"]
        assert (math.isnan(state["x"]) if expected["x"] is None else state["x"] == expected["x"])


def test_grid_broadcasts_and_marks_bad_points_without_raising():
    p = np.array([[50.0], [-1.0], [np.nan]])
    t = np.array([400.0, 20.0])
    grid = vaporis.steam(p=p, t=t)
    assert grid["h"].shape == (3, 2) and grid["inputStatus"].dtype == np.int32
    assert grid["h"][0, 0] == vaporis.steam(p=50, t=400)["h"]
    assert np.all(np.isnan(grid["h"][1:])) and np.all(grid["inputStatus"][1:] != 0)
    assert np.all(grid["status"]["h"][1:] != 0) and np.all(grid["inputStatus"][0] == 0)
    assert "liquid" not in grid and "liquid" in vaporis.steam(p=p, t=t, saturated=True)


def test_units_are_read_and_shown_through_the_definitions():
    written = vaporis.steam(p=50, t=400)
    typed = vaporis.steam(p="725.189 psia", t="752 F")
    assert typed["h"] == pytest.approx(written["h"], rel=1e-6)
    us = vaporis.steam(p=725.189, t=752, units="us")
    assert us["h"] == pytest.approx(written["h"] / 2.326, rel=1e-6)
    assert us["s"] == pytest.approx(written["s"] / 4.1868, rel=1e-6)
    gauge = vaporis.steam(p=np.array([48.98675, 0.0]), t=np.array([400.0, -500.0]),
                          units={"p": "barg", "t": "F"})
    assert gauge["p"][0] == pytest.approx(48.98675)
    assert math.isnan(gauge["h"][1])
    result = vaporis.process.steam(type="isentropic", p1="50 bar", t1=400, p2=1, eta_s=0.85,
                                   units="us")
    assert result["units"]["dh"] == "BTU/lb"
    with pytest.raises(vaporis.Error, match="not of pressure"):
        vaporis.steam(p="5 K", t=400)
    air = vaporis.GasAnalysis(vol={"N2": 79, "O2": 21})
    assert air.state(p="14.5038 psia", t=356, units="us")["h"] == pytest.approx(
        air.state(p=1, t=180)["h"] / 2.326, rel=1e-6)


def test_scalar_refusals_carry_the_programs_message():
    for args, call in ((("steam", "--p=-1", "--t=400"), lambda: vaporis.steam(p=-1, t=400)),
                       (("steam-ph", "--p=1", "--h=1e6"), lambda: vaporis.steam(p=1, h=1e6))):
        refused, _ = cli(*args, code=2)
        with pytest.raises(vaporis.Error, match=refused["message"].split("!")[0]):
            call()


@pytest.mark.parametrize("call", [
    lambda: vaporis.steam(p="abc", t=1),
    lambda: vaporis.steam(p=[1, 2], t=[1, 2, 3]),
    lambda: vaporis.steam(p=1),
    lambda: vaporis.steam(p=1, t=2, x=0.5),
    lambda: vaporis.steam(p=object(), t=1),
    lambda: vaporis.steam(p=float("nan"), t=400),
    lambda: vaporis.process.steam(type="isentropic", p1=[1], t1=400),
    lambda: vaporis.process.steam(type="throttle", batch=True),
    lambda: vaporis.GasAnalysis(vol={"Xx": 5}),
    lambda: vaporis.GasAnalysis(vol={"N2": -5}),
    lambda: vaporis.GasAnalysis(vol={"N2": 80}).state(p=-1, t=20),
    lambda: vaporis.Project("/nonexistent/plant.prj"),
])
def test_bad_input_raises_a_python_exception(call):
    with pytest.raises(vaporis.Error):
        call()


COMMANDS = [
    (vaporis.process.steam, ["process", "steam"],
     dict(type="isentropic", p1=50, t1=400, p2=1, eta_s=0.85, mass_flow=10)),
    (vaporis.process.gas, ["process", "gas"],
     dict(type="isentropic", p1=1.5, t1=400, p2=1, eta_s=0.8, mass_flow=2, vol="N2=79,O2=21")),
    (vaporis.flow.steam, ["flow", "steam"], dict(p=10, t=300, mass_flow=2, diameter=100)),
    (vaporis.flow.gas, ["flow", "gas"], dict(p=1, t=200, mass_flow=1, diameter=300)),
    (vaporis.ambient, ["ambient"], dict(t=20, phi=50, level=300)),
    (vaporis.tools.quench, ["tools", "quench"], dict(p_ss=40, t_ss=450, t_set=380)),
    (vaporis.tools.atmosphere, ["tools", "atmosphere"], {}),
]


@pytest.mark.parametrize("function,command,options", COMMANDS)
def test_commands_return_the_command_lines_json(function, command, options):
    args = [f"--{k.replace('_', '-')}={v}" for k, v in options.items()]
    assert function(**options) == cli(*command, *args)[0]


def test_module_rules_refuse_as_the_command_line_does():
    args = ["--type=throttle", "--p1=10", "--t1=400", "--p2=20"]
    refusal, _ = cli("process", "steam", *args, code=2)
    with pytest.raises(vaporis.Error) as error:
        vaporis.process.steam(type="throttle", p1=10, t1=400, p2=20)
    assert str(error.value) == refusal["message"]


FLUE_GAS = {"N2": 72, "CO2": 12, "H2O": 10, "O2": 6}


def test_gas_states_equal_the_command_line_and_condense_below_the_dew_point():
    gas = vaporis.GasAnalysis(vol=FLUE_GAS)
    spec = ",".join(f"{k}={v}" for k, v in FLUE_GAS.items())
    expected, _ = cli("gas", "--p=1", "--t=30", "--condensation", f"--vol={spec}")
    cold = gas.state(p=1, t=30, condensation=True)
    for key in ("h", "s", "condensate"):
        assert cold["condensing"][key] == expected["condensing"][key]["value"], key
    assert cold["status"] == expected["status"]
    hot, _ = cli("gas", "--p=1", "--t=180", f"--vol={spec}")
    state = gas.state(p=1, t=180)
    for key, value in hot["properties"].items():
        assert state[key] == value or (value is None and math.isnan(state[key])), key
    # 10 % vol water vapour at 1 bar condenses at the boiling point of 0.1 bar
    assert state["dewPoint"] == pytest.approx(vaporis.steam(p=0.1, x=0)["t"], abs=0.01)
    found = gas.state(p=1, h=np.array([cold["condensing"]["h"]]), condensation=True)
    assert found["t"][0] == pytest.approx(30, abs=1e-6)


def test_gas_file_round_trip_and_operations(tmp_path):
    gas = vaporis.GasAnalysis(mass=FLUE_GAS)
    path = tmp_path / "flue.gas"
    gas.write(path)
    back = vaporis.GasAnalysis(file=path)
    back.write(tmp_path / "again.gas")
    assert (tmp_path / "again.gas").read_bytes() == path.read_bytes()
    assert back.mass == pytest.approx(gas.mass, rel=1e-15)
    back.dry()
    assert "H2O" not in back.vol and sum(back.vol.values()) == pytest.approx(100)
    back.humidify(1.01325, 20, 100)
    assert back.vol["H2O"] == pytest.approx(100 * 0.0233921 / 1.01325, rel=1e-4)
    air = vaporis.GasAnalysis()
    air.mix(vaporis.GasAnalysis(vol={"N2": 100}), 1, basis="vol")
    assert air.vol["air"] == pytest.approx(50)
    with pytest.raises(vaporis.Error):
        air.humidify(0, 20, 50)


def test_project_exposes_the_inputs_of_every_module(tmp_path):
    path = tmp_path / "plant.prj"
    vaporis.Project.new(path)
    assert vaporis.Project(path).modules == cli("project", str(path))[0]
