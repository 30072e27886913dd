-- The cooler database. Numbers that are sorted or interpolated are REAL; text columns that queries
-- compare without regard to case are COLLATE NOCASE. Columns keep the order in which the windows
-- read "select *" rows by position.

CREATE TABLE Coolers (
  CoolerID INTEGER PRIMARY KEY AUTOINCREMENT,
  Name TEXT COLLATE NOCASE,
  PartNumber TEXT COLLATE NOCASE,
  Description TEXT COLLATE NOCASE,
  MaxOilFlow REAL,
  NoiseLevel REAL,
  CostRanking REAL,
  SalesLeaflet TEXT COLLATE NOCASE,
  Weight REAL,
  CoolerType INTEGER,
  MotorType INTEGER,
  ProductRange INTEGER,
  Series INTEGER,
  StockItem INTEGER NOT NULL DEFAULT 0,
  ShellOilSidePressureRating REAL,
  WaterSidePressureRating REAL,
  Dxf TEXT
);
CREATE INDEX CoolersByName ON Coolers (Name);

-- Curves, one row per point. PointID is the row key that the editors' grids need; it stands last
-- so the columns before it keep their places.
CREATE TABLE CoolingCapacity (
  CoolerID INTEGER NOT NULL,
  CoolingCapacityOilFlow REAL,
  CoolingCapacity REAL,
  PointID INTEGER PRIMARY KEY
);
CREATE INDEX CoolingCapacityByCooler ON CoolingCapacity (CoolerID);

CREATE TABLE PressureDrop (
  CoolerID INTEGER NOT NULL,
  PressureDropOilFlow REAL,
  PressureDrop REAL,
  PointID INTEGER PRIMARY KEY
);
CREATE INDEX PressureDropByCooler ON PressureDrop (CoolerID);

-- Correction tables of water-cooled models: two matrices of 6 rows by 8 columns and their axes.
CREATE TABLE HTCorrectionWaterFlow (
  CoolerID INTEGER NOT NULL,
  HTCorrectionWaterFlow REAL
);
CREATE INDEX HTCorrectionWaterFlowByCooler ON HTCorrectionWaterFlow (CoolerID);

CREATE TABLE HTCorrectionOilFlow (
  CoolerID INTEGER NOT NULL,
  HTCorrectionOilFlow REAL
);
CREATE INDEX HTCorrectionOilFlowByCooler ON HTCorrectionOilFlow (CoolerID);

CREATE TABLE HTCorrection (
  CoolerID INTEGER NOT NULL,
  RowNum INTEGER,
  c1 REAL, c2 REAL, c3 REAL, c4 REAL, c5 REAL, c6 REAL, c7 REAL, c8 REAL
);
CREATE INDEX HTCorrectionByCooler ON HTCorrection (CoolerID);

CREATE TABLE PDCorrectionViscosity (
  CoolerID INTEGER NOT NULL,
  PDCorrectionViscosity REAL
);
CREATE INDEX PDCorrectionViscosityByCooler ON PDCorrectionViscosity (CoolerID);

CREATE TABLE PDCorrectionOilFlow (
  CoolerID INTEGER NOT NULL,
  PDCorrectionOilFlow REAL
);
CREATE INDEX PDCorrectionOilFlowByCooler ON PDCorrectionOilFlow (CoolerID);

-- No row number: the rows belong to the viscosities in the order they were written (rowid).
CREATE TABLE PDCorrection (
  CoolerID INTEGER NOT NULL,
  c1 REAL, c2 REAL, c3 REAL, c4 REAL, c5 REAL, c6 REAL, c7 REAL, c8 REAL
);
CREATE INDEX PDCorrectionByCooler ON PDCorrection (CoolerID);

-- Code lists.
CREATE TABLE CoolerTypes (
  Code INTEGER PRIMARY KEY,
  CoolerType TEXT COLLATE NOCASE
);
CREATE TABLE MotorTypes (
  Code INTEGER PRIMARY KEY,
  MotorType TEXT COLLATE NOCASE
);
CREATE TABLE ProductRange (
  Code INTEGER PRIMARY KEY,
  ProductRange TEXT COLLATE NOCASE
);
CREATE TABLE Series (
  Code INTEGER PRIMARY KEY,
  Series TEXT COLLATE NOCASE
);

-- Tables shared by every model of a family.
CREATE TABLE AirPDCorrections (
  ViscosityCst REAL,
  AirPDCorrection REAL
);
CREATE TABLE HTCorrectionMobile (
  AFVMperSec REAL,
  HTCorrectionFactor REAL
);

-- Oil viscosity in cSt: column n holds the viscosity at (n - 3) * 5 degrees C.
CREATE TABLE VisTemp (
  OilGrade INTEGER PRIMARY KEY,
  [0] REAL,
  [1] REAL,
  [2] REAL,
  [3] REAL,
  [4] REAL,
  [5] REAL,
  [6] REAL,
  [7] REAL,
  [8] REAL,
  [9] REAL,
  [10] REAL,
  [11] REAL,
  [12] REAL,
  [13] REAL,
  [14] REAL,
  [15] REAL,
  [16] REAL,
  [17] REAL,
  [18] REAL,
  [19] REAL,
  [20] REAL,
  [21] REAL,
  [22] REAL,
  [23] REAL,
  [24] REAL,
  [25] REAL,
  [26] REAL,
  [27] REAL,
  [28] REAL,
  [29] REAL,
  [30] REAL,
  [31] REAL,
  [32] REAL,
  [33] REAL,
  [34] REAL,
  [35] REAL,
  [36] REAL,
  [37] REAL
);

CREATE TABLE dbAttributes (
  vcAttribute TEXT COLLATE NOCASE PRIMARY KEY,
  vcValue TEXT
);
